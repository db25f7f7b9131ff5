#include "review/rft.h"

#include <array>
#include <utility>

#include "common/rtf.h"

namespace quillora::rft {

namespace {

// Letters escaped by EscaparRTF, after the backslash, in this order.
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kLetras = {{
    {"á", "\\'e1"},
    {"é", "\\'e9"},
    {"í", "\\'ed"},
    {"ó", "\\'f3"},
    {"ú", "\\'fa"},
    {"Á", "\\'c1"},
    {"É", "\\'c9"},
    {"Í", "\\'cd"},
    {"Ó", "\\'d3"},
    {"Ú", "\\'da"},
    {"ü", "\\'fc"},
    {"Ü", "\\'dc"},
    {"ñ", "\\'f1"},
    {"Ñ", "\\'d1"},
    {"\r", "\\par"},
}};

void ReemplazarTodo(std::string& texto, std::string_view buscado, std::string_view nuevo) {
  for (auto pos = texto.find(buscado); pos != std::string::npos;
       pos = texto.find(buscado, pos + nuevo.size())) {
    texto.replace(pos, buscado.size(), nuevo);
  }
}

// Removes the first `palabra` of the head from the letter after its backslash up to and
// including the next backslash: the control word with its parameter. Answers whether it was
// there.
bool QuitarPrimera(std::string& cabecera, std::string_view palabra, bool conParametro) {
  const auto pos = cabecera.find(palabra);
  if (pos == std::string::npos) return false;
  if (!conParametro) {
    cabecera.erase(pos + 1, palabra.size() - 1);
    return true;
  }
  const auto siguiente = cabecera.find('\\', pos + 1);
  if (siguiente == std::string::npos) return false;
  cabecera.erase(pos + 1, siguiente - pos);
  return true;
}

// Plain text shown as it is: a body under the fixed head.
std::string ComoTextoPlano(std::string_view texto, std::string& cabecera) {
  cabecera = CabeceraRTF();
  std::string plano(texto);
  ReemplazarTodo(plano, "\r\n", "\r");
  ReemplazarTodo(plano, "\n", "\r");
  return plano.empty() ? std::string() : " " + EscaparRTF(plano);
}

}  // namespace

std::string CabeceraRTF() {
  return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082{\\fonttbl{\\f0\\fnil\\fcharset0 "
         "Microsoft Sans Serif;}}\\viewkind4\\uc1\\pard\\f0\\fs17";
}

std::string EscaparRTF(std::string_view texto) {
  std::string resultado(texto);
  ReemplazarTodo(resultado, "\\", "\\\\");
  for (const auto& [letra, escape] : kLetras) ReemplazarTodo(resultado, letra, escape);
  return resultado;
}

std::string Negrita(std::string_view texto) { return "\\b " + std::string(texto) + "\\b0 "; }

std::string Resaltar(std::string_view texto) { return "\\cf1 " + std::string(texto) + "\\cf0 "; }

std::string InsertarTablaColores(std::string_view documento) {
  const auto fin = documento.find("}}");
  if (fin == std::string_view::npos) return std::string(documento);
  return std::string(documento.substr(0, fin + 2)) + "{\\colortbl ;\\red255\\green0\\blue255;}" +
         std::string(documento.substr(fin + 2));
}

std::string SepararRTF(std::string_view documento, std::string& cabecera) {
  const auto vista = documento.find("\\viewkind");
  const auto tamano = vista == std::string_view::npos ? vista : documento.find("\\fs", vista);
  if (!documento.starts_with("{\\rtf") || tamano == std::string_view::npos) {
    if (!documento.starts_with("{\\rtf")) return ComoTextoPlano(documento, cabecera);
    // A rich text of another writer: its words, without its layout.
    return ComoTextoPlano(rtf::TextoDeDocumento(documento).value_or(""), cabecera);
  }
  cabecera = std::string(documento.substr(0, tamano + 3)) + "17";
  // The stored size may have any number of digits.
  auto inicioCuerpo = tamano + 3;
  while (inicioCuerpo < documento.size() && documento[inicioCuerpo] >= '0' &&
         documento[inicioCuerpo] <= '9') {
    ++inicioCuerpo;
  }
  std::string cuerpo(documento.substr(inicioCuerpo));

  const bool negrita = QuitarPrimera(cabecera, "\\b\\", false);
  const bool cursiva = QuitarPrimera(cabecera, "\\i\\", false);
  const bool subrayado = QuitarPrimera(cabecera, "\\u\\", false);
  for (const auto* palabra : {"\\fi", "\\sb", "\\sl", "\\slmult", "\\qj"}) {
    QuitarPrimera(cabecera, palabra, true);
  }
  if (negrita) cuerpo.insert(0, "\\b");
  if (cursiva) cuerpo.insert(0, "\\i");
  if (subrayado) cuerpo.insert(0, "\\u");
  return cuerpo;
}

}  // namespace quillora::rft
