#include "scan/desdoble.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "dictionary/clave_texto.h"
#include "dictionary/entrada.h"
#include "dictionary/sustituto.h"
#include "dictionary/sustitutos.h"
#include "scan/vecindad.h"

namespace quillora {

namespace {

using Claves = std::vector<std::string>;

// Words that may stand before the noun of either half, or be left out of the second one:
// determiners, quantifiers and the prepositions of the contractions.
const std::unordered_set<std::string_view> kFuncionales = {
    "A",        "DE",      "EL",         "LA",         "LOS",       "LAS",     "UN",
    "UNA",      "UNOS",    "UNAS",       "ESTE",       "ESTA",      "ESTOS",   "ESTAS",
    "ESE",      "ESA",     "ESOS",       "ESAS",       "AQUEL",     "AQUELLA", "AQUELLOS",
    "AQUELLAS", "MI",      "MIS",        "TU",         "TUS",       "SU",      "SUS",
    "NUESTRO",  "NUESTRA", "NUESTROS",   "NUESTRAS",   "VUESTRO",   "VUESTRA", "VUESTROS",
    "VUESTRAS", "TODO",    "TODA",       "TODOS",      "TODAS",     "ALGÚN",   "ALGUNO",
    "ALGUNA",   "ALGUNOS", "ALGUNAS",    "NINGÚN",     "NINGUNO",   "NINGUNA", "CADA",
    "OTRO",     "OTRA",    "OTROS",      "OTRAS",      "VARIOS",    "VARIAS",  "MUCHOS",
    "MUCHAS",   "POCOS",   "POCAS",      "AMBOS",      "AMBAS",     "DICHO",   "DICHA",
    "DICHOS",   "DICHAS",  "CUALQUIER",  "DOS",        "TRES",      "CUATRO",  "CINCO",
    "MILES",    "CIENTOS", "DEMASIADOS", "DEMASIADAS", "BASTANTES", "TALES",   "SENDOS",
    "SENDAS"};

// Determiners whose two forms no regular ending relates.
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kDeterminantes = {{
    {"EL", "LA"},
    {"LOS", "LAS"},
    {"UN", "UNA"},
    {"ALGÚN", "ALGUNA"},
    {"NINGÚN", "NINGUNA"},
    {"AQUEL", "AQUELLA"},
    {"AQUELLOS", "AQUELLAS"},
}};

// Regular endings of the two genders, masculine first. The feminine adds a letter to many
// masculines ending in a consonant ("concejal", "juez", "director").
constexpr std::array<std::pair<std::string_view, std::string_view>, 13> kTerminaciones = {{
    {"OS", "AS"},
    {"O", "A"},
    {"ES", "AS"},
    {"E", "A"},
    {"ÓN", "ONA"},
    {"ÉS", "ESA"},
    {"CES", "ZAS"},
    {"R", "RA"},
    {"L", "LA"},
    {"N", "NA"},
    {"Z", "ZA"},
    {"D", "DA"},
    {"S", "SA"},
}};

// Shorter stems would pair unrelated little words ("o" and "a").
constexpr std::size_t kRaizMinima = 2;

// Takes a word as written or its key.
bool EsConjuncion(std::string_view palabra) {
  return palabra.size() == 1 &&
         std::string_view("yYeEoOuU").find(palabra[0]) != std::string_view::npos;
}

bool EsFuncional(std::string_view clave) { return kFuncionales.contains(clave); }

bool EsDeterminante(std::string_view clave) {
  return clave != "DE" && clave != "A" && EsFuncional(clave);
}

bool TerminaEn(std::string_view palabra, std::string_view final, std::size_t& raiz) {
  if (!palabra.ends_with(final) || palabra.size() < final.size() + kRaizMinima) return false;
  raiz = palabra.size() - final.size();
  return true;
}

bool MasculinoYFemenino(std::string_view masculino, std::string_view femenino) {
  for (const auto& [m, f] : kDeterminantes) {
    if (masculino == m && femenino == f) return true;
  }
  for (const auto& [m, f] : kTerminaciones) {
    std::size_t raizM = 0;
    std::size_t raizF = 0;
    if (TerminaEn(masculino, m, raizM) && TerminaEn(femenino, f, raizF) && raizM == raizF &&
        masculino.substr(0, raizM) == femenino.substr(0, raizF)) {
      return true;
    }
  }
  return false;
}

// How two words of the two halves relate: the same word (a noun or determiner common to both
// genders), the same word in the other gender, or unrelated.
enum class Relacion { Igual, OtroGenero, Ninguna };

Relacion Relacionar(std::string_view a, std::string_view b) {
  if (a == b) return Relacion::Igual;
  if (MasculinoYFemenino(a, b) || MasculinoYFemenino(b, a)) return Relacion::OtroGenero;
  return Relacion::Ninguna;
}

// The keys of the words, with "del" and "al" undone so that they meet "de la" and "a la".
Claves ClavesDe(const std::vector<std::string>& palabras) {
  Claves claves;
  for (const auto& palabra : palabras) {
    auto clave = ClaveTexto(palabra);
    if (clave == "DEL" || clave == "AL") {
      claves.push_back(clave == "DEL" ? "DE" : "A");
      claves.push_back("EL");
    } else {
      claves.push_back(std::move(clave));
    }
  }
  return claves;
}

// Whether `otra` names in the other gender what the match names: after function words of its own,
// its words are the last words of the match, each the same or in the other gender, at least one
// changed; what it leaves out of the match are function words only.
bool OtraMitad(const Claves& coincidencia, const Claves& otra) {
  for (std::size_t propias = 0; propias < otra.size(); ++propias) {
    if (propias > 0 && !EsFuncional(otra[propias - 1])) break;
    const auto comunes = otra.size() - propias;
    if (comunes > coincidencia.size()) continue;
    const auto omitidas = coincidencia.size() - comunes;
    if (!std::all_of(coincidencia.begin(), coincidencia.begin() + static_cast<long>(omitidas),
                     [](const std::string& clave) { return EsFuncional(clave); })) {
      continue;
    }
    bool cambia = false;
    bool pareja = true;
    for (std::size_t i = 0; i < comunes && pareja; ++i) {
      const auto relacion = Relacionar(coincidencia[omitidas + i], otra[propias + i]);
      pareja = relacion != Relacion::Ninguna;
      cambia = cambia || relacion == Relacion::OtroGenero;
    }
    if (pareja && cambia) return true;
  }
  return false;
}

// The words without their leading function words.
Claves Nucleo(const Claves& claves) {
  auto primera = std::find_if_not(claves.begin(), claves.end(),
                                  [](const std::string& clave) { return EsFuncional(clave); });
  if (primera == claves.end()) return claves;
  return Claves(primera, claves.end());
}

Claves Separar(const std::string& texto) {
  Claves palabras;
  std::istringstream flujo(texto);
  for (std::string palabra; flujo >> palabra;) palabras.push_back(std::move(palabra));
  return ClavesDe(palabras);
}

// The halves the entry's own alternatives pair the match with: for an alternative "A y B" whose
// one half is the match (function words aside), the other half.
std::vector<Claves> OtrasMitadesDeLaEntrada(const Entrada& entrada, const Claves& coincidencia) {
  std::vector<Claves> mitades;
  const auto nucleo = Nucleo(coincidencia);
  for (const auto& sustituto : entrada.GetSustitutos()->NewEnum()) {
    const auto palabras = Separar(sustituto->GetSustituto());
    for (std::size_t i = 1; i + 1 < palabras.size(); ++i) {
      if (!EsConjuncion(palabras[i])) continue;
      const Claves primera(palabras.begin(), palabras.begin() + static_cast<long>(i));
      const Claves segunda(palabras.begin() + static_cast<long>(i) + 1, palabras.end());
      if (Nucleo(primera) == nucleo) mitades.push_back(segunda);
      if (Nucleo(segunda) == nucleo) mitades.push_back(primera);
    }
  }
  return mitades;
}

// A half of determiners only ("las" of "las y los periodistas") shares the noun written after the
// match: it names the pair only when it stands before the match.
bool EsMitadDeLaEntrada(const std::vector<Claves>& mitades, const Claves& otra, bool antes) {
  return std::any_of(mitades.begin(), mitades.end(), [&](const Claves& mitad) {
    const bool sinNombre = std::all_of(mitad.begin(), mitad.end(),
                                       [](const std::string& clave) { return EsFuncional(clave); });
    return (antes || !sinNombre) && (mitad == otra || Nucleo(mitad) == otra);
  });
}

}  // namespace

bool EsDesdoble(const Entrada& entrada, Vecindad& vecindad) {
  // The conjunction after the match, or before it past one determiner that the match leaves out
  // ("y todos los alumnos" when the match is "los alumnos"): read first, as most matches have
  // none and need nothing more.
  const bool conjuncionDespues = vecindad.Despues(0) && EsConjuncion(*vecindad.Despues(0));
  std::size_t antesDeLaConjuncion = 0;
  if (const auto* anterior = vecindad.Antes(0); anterior && EsConjuncion(*anterior)) {
    antesDeLaConjuncion = 1;
  } else if (anterior && EsDeterminante(ClaveTexto(*anterior)) && vecindad.Antes(1) &&
             EsConjuncion(*vecindad.Antes(1))) {
    antesDeLaConjuncion = 2;
  }
  const bool conjuncionAntes = antesDeLaConjuncion > 0;
  if (!conjuncionDespues && !conjuncionAntes) return false;

  // The match's words have the entry's key: they are read from the entry, not the document.
  const auto coincidencia = Separar(entrada.GetEntrada());
  const auto mitades = OtrasMitadesDeLaEntrada(entrada, coincidencia);
  const auto maximo = coincidencia.size() + 3;
  auto esPareja = [&](const Claves& otra, bool antes) {
    return OtraMitad(coincidencia, otra) || EsMitadDeLaEntrada(mitades, otra, antes);
  };
  if (conjuncionDespues) {
    Claves otra;
    for (std::size_t i = 1; i <= maximo && vecindad.Despues(i); ++i) {
      const auto claves = ClavesDe({*vecindad.Despues(i)});
      otra.insert(otra.end(), claves.begin(), claves.end());
      if (esPareja(otra, false)) return true;
    }
  }
  if (conjuncionAntes) {
    Claves otra;
    for (std::size_t i = antesDeLaConjuncion; i < antesDeLaConjuncion + maximo && vecindad.Antes(i);
         ++i) {
      const auto claves = ClavesDe({*vecindad.Antes(i)});
      otra.insert(otra.begin(), claves.begin(), claves.end());
      if (esPareja(otra, true)) return true;
    }
  }
  return false;
}

}  // namespace quillora
