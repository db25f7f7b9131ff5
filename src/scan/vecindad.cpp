#include "scan/vecindad.h"

#include "common/texto_unicode.h"
#include "scan/buscador.h"
#include "word/range.h"

namespace quillora {

namespace {

constexpr auto kPalabra = word::Unidad::Palabra;

bool AcabaFrase(std::string_view palabra) {
  if (palabra.empty()) return false;
  // Only the first character tells, and it is mostly ASCII.
  const auto primera = static_cast<unsigned char>(palabra[0]) < 0x80
                           ? static_cast<char32_t>(palabra[0])
                           : texto::CodePoints(palabra.substr(0, 4)).front();
  return texto::Clasificar(primera) == texto::ClaseCaracter::FinParrafo;
}

}  // namespace

Vecindad::Vecindad(std::shared_ptr<word::Range> primera, std::shared_ptr<word::Range> ultima) {
  despues_.ultimo = std::move(ultima);
  antes_.ultimo = std::move(primera);
}

const std::string* Vecindad::Despues(std::size_t n) { return Leer(despues_, n, true); }

const std::string* Vecindad::Antes(std::size_t n) { return Leer(antes_, n, false); }

const std::string* Vecindad::Leer(Lado& lado, std::size_t n, bool haciaDelante) {
  if (n >= kPalabrasMaximas) return nullptr;
  while (lado.leidas <= n && !lado.acabado) {
    lado.ultimo =
        haciaDelante ? lado.ultimo->Next(kPalabra, 1) : lado.ultimo->Previous(kPalabra, 1);
    if (!lado.ultimo) {
      lado.acabado = true;
      break;
    }
    auto palabra = PalabraDeRango(lado.ultimo->GetText());
    if (palabra.empty()) continue;
    if (AcabaFrase(palabra)) {
      lado.acabado = true;
      break;
    }
    lado.palabras[lado.leidas++] = std::move(palabra);
  }
  return n < lado.leidas ? &lado.palabras[n] : nullptr;
}

}  // namespace quillora
