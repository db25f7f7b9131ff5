#include "morfologia.h"

#include <array>
#include <utility>
#include <vector>

namespace quillora::diccionario {

namespace {

using Cambio = std::pair<std::string_view, std::string_view>;

// Endings whose feminine adds or changes letters; the stressed ones lose their written accent.
constexpr std::array<Cambio, 6> kFemeninos = {{
    {"o", "a"},
    {"or", "ora"},
    {"ón", "ona"},
    {"án", "ana"},
    {"ín", "ina"},
    {"és", "esa"},
}};

// Stressed last syllables that lose their written accent in the plural.
constexpr std::array<Cambio, 9> kPluralesAgudos = {{
    {"ón", "ones"},
    {"án", "anes"},
    {"én", "enes"},
    {"ín", "ines"},
    {"ún", "unes"},
    {"és", "eses"},
    {"ís", "ises"},
    {"ós", "oses"},
    {"ús", "uses"},
}};

// Words after which a phrase is no longer its head: prepositions and "que".
constexpr std::array<std::string_view, 11> kFinDelNucleo = {
    "de", "del", "a", "al", "en", "con", "para", "por", "sin", "que", "y"};

bool Cambiar(std::string_view palabra, const Cambio& cambio, std::string& resultado) {
  if (!palabra.ends_with(cambio.first)) return false;
  resultado = std::string(palabra.substr(0, palabra.size() - cambio.first.size()));
  resultado += cambio.second;
  return true;
}

// Where the head of a phrase ends: the blank before its first preposition or "que", or its end.
std::size_t FinDelNucleo(std::string_view frase);

std::vector<std::string_view> Palabras(std::string_view frase) {
  std::vector<std::string_view> palabras;
  for (std::size_t inicio = 0; inicio <= frase.size();) {
    const auto fin = std::min(frase.find(' ', inicio), frase.size());
    palabras.push_back(frase.substr(inicio, fin - inicio));
    inicio = fin + 1;
  }
  return palabras;
}

std::size_t FinDelNucleo(std::string_view frase) {
  std::size_t inicio = 0;
  for (const auto palabra : Palabras(frase)) {
    for (const auto fin : kFinDelNucleo) {
      if (palabra == fin && inicio > 0) return inicio - 1;
    }
    inicio += palabra.size() + 1;
  }
  return frase.size();
}

// The word without its written accent: "peón" → "peon".
std::string SinTilde(std::string_view palabra) {
  constexpr std::array<Cambio, 5> kTildes = {
      {{"á", "a"}, {"é", "e"}, {"í", "i"}, {"ó", "o"}, {"ú", "u"}}};
  std::string resultado(palabra);
  for (const auto& [con, sin] : kTildes) {
    const auto posicion = resultado.find(con);
    if (posicion != std::string::npos) return resultado.replace(posicion, con.size(), sin);
  }
  return resultado;
}

bool EmpiezaPor(std::string_view palabra, std::initializer_list<std::string_view> inicios) {
  for (const auto inicio : inicios) {
    if (palabra.starts_with(inicio)) return true;
  }
  return false;
}

}  // namespace

std::string Femenino(std::string_view palabra) {
  std::string resultado;
  for (const auto& cambio : kFemeninos) {
    if (Cambiar(palabra, cambio, resultado)) return resultado;
  }
  return std::string(palabra);
}

std::string Plural(std::string_view palabra) {
  std::string resultado;
  for (const auto& cambio : kPluralesAgudos) {
    if (Cambiar(palabra, cambio, resultado)) return resultado;
  }
  if (Cambiar(palabra, {"z", "ces"}, resultado)) return resultado;
  if (palabra.ends_with("í") || palabra.ends_with("ú")) return std::string(palabra) + "es";
  for (const auto vocal : {"a", "e", "o", "á", "é", "ó"}) {
    if (palabra.ends_with(vocal)) return std::string(palabra) + "s";
  }
  if (palabra.ends_with('s') || palabra.ends_with('x')) return std::string(palabra);
  return std::string(palabra) + "es";
}

std::string DeclinarFrase(std::string_view frase, std::string (*declinar)(std::string_view)) {
  std::string resultado;
  bool nucleo = true;
  for (const auto palabra : Palabras(frase)) {
    for (const auto fin : kFinDelNucleo) nucleo = nucleo && palabra != fin;
    if (!resultado.empty()) resultado += ' ';
    resultado += nucleo ? declinar(palabra) : std::string(palabra);
  }
  return resultado;
}

std::string Unir(std::string_view a, std::string_view conjuncion, std::string_view b) {
  std::string_view enlace = conjuncion;
  // "hie-" and "hia-" sound /je/, /ja/: "agua y hielo".
  if (conjuncion == "y" && EmpiezaPor(b, {"i", "í", "hi", "hí"}) && !EmpiezaPor(b, {"hie", "hia"}))
    enlace = "e";
  if (conjuncion == "o" && EmpiezaPor(b, {"o", "ó", "ho", "hó"})) enlace = "u";
  std::string resultado(a);
  resultado += ' ';
  resultado += enlace;
  resultado += ' ';
  resultado += b;
  return resultado;
}

std::string UnirFormas(std::string_view masculino, std::string_view conjuncion,
                       std::string_view femenino) {
  const auto finM = FinDelNucleo(masculino);
  const auto finF = FinDelNucleo(femenino);
  const auto resto = masculino.substr(finM);
  if (resto.empty() || resto != femenino.substr(finF)) return Unir(masculino, conjuncion, femenino);
  return Unir(masculino.substr(0, finM), conjuncion, femenino.substr(0, finF)) + std::string(resto);
}

std::string ConBarra(std::string_view masculino, std::string_view femenino) {
  const auto palabrasM = Palabras(masculino);
  const auto palabrasF = Palabras(femenino);
  std::string resultado;
  for (std::size_t i = 0; i < palabrasM.size(); ++i) {
    const auto m = palabrasM[i];
    const auto f = i < palabrasF.size() ? palabrasF[i] : m;
    if (!resultado.empty()) resultado += ' ';
    resultado += m;
    if (m == f) continue;
    resultado += '/';
    const auto llana = SinTilde(m);
    if (f.starts_with(llana)) {
      resultado += f.substr(llana.size());
    } else if (m.size() == f.size() && m.substr(0, m.size() - 1) == f.substr(0, f.size() - 1)) {
      resultado += f.back();
    } else {
      resultado += f;
    }
  }
  return resultado;
}

}  // namespace quillora::diccionario
