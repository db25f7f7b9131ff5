#include "scan/aposicion.h"

#include <string>
#include <string_view>
#include <unordered_set>

#include "common/texto_unicode.h"
#include "dictionary/clave_texto.h"
#include "dictionary/entrada.h"
#include "scan/vecindad.h"

namespace quillora {

namespace {

// The longest complement and name looked at, in words.
constexpr std::size_t kComplementoMaximo = 6;
constexpr std::size_t kNombreMaximo = 5;

const std::unordered_set<std::string_view> kParticulas = {
    "DE", "DEL", "LA", "LAS", "LOS", "Y", "E", "VAN", "VON", "DA", "DI", "DO", "DOS", "DAS"};

// Marks that close an apposition.
const std::unordered_set<std::string_view> kCierres = {",", ".", ";", ":", ")", "…", "—"};

bool EmpiezaConMayuscula(const std::string& palabra) {
  const auto letras = texto::CodePoints(palabra);
  if (letras.empty()) return false;
  const auto primera = letras.front();
  return texto::Mayuscula(primera) == primera && texto::Minuscula(primera) != primera;
}

// How many words of a name start at word `desde` after the match: capitalised words with
// particles between them, never ending in a particle.
std::size_t PalabrasDelNombre(Vecindad& vecindad, std::size_t desde) {
  std::size_t largo = 0;
  for (std::size_t i = 0; i < kNombreMaximo; ++i) {
    const auto* palabra = vecindad.Despues(desde + i);
    if (!palabra) break;
    if (EmpiezaConMayuscula(*palabra)) {
      largo = i + 1;
    } else if (i == 0 || !kParticulas.contains(ClaveTexto(*palabra))) {
      break;
    }
  }
  return largo;
}

bool Cierra(const std::string* palabra) { return !palabra || kCierres.contains(*palabra); }

}  // namespace

bool SigueNombreDePersona(const Entrada& entrada, Vecindad& vecindad) {
  // A comma, a complement or a name comes next; most matches have none and need nothing more.
  const auto* siguiente = vecindad.Despues(0);
  if (!siguiente) return false;
  const auto clave = ClaveTexto(*siguiente);
  const bool complemento = clave == "DE" || clave == "DEL";
  if (!complemento && clave != "," && !EmpiezaConMayuscula(*siguiente)) return false;
  if (ClaveTexto(entrada.GetEntrada()).ends_with('S')) return false;

  // Without commas: "el director Andrés Gil".
  if (const auto largo = PalabrasDelNombre(vecindad, 0); largo >= 2) return true;

  // The complement, if any, runs to the first comma.
  std::size_t coma = 0;
  if (complemento) {
    coma = 1;
    while (coma <= kComplementoMaximo && vecindad.Despues(coma) && *vecindad.Despues(coma) != ",") {
      ++coma;
    }
  }
  if (!vecindad.Despues(coma) || *vecindad.Despues(coma) != ",") return false;
  const auto largo = PalabrasDelNombre(vecindad, coma + 1);
  return largo > 0 && Cierra(vecindad.Despues(coma + 1 + largo));
}

}  // namespace quillora
