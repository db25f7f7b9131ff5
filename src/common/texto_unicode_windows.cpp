#include <windows.h>

#include <stdexcept>

#include "common/clase_unicode.h"
#include "common/texto_unicode.h"

// The Unicode helpers on the system's own conversions and linguistic case mapping.
namespace quillora::texto {

namespace {

constexpr char32_t kSustituto = 0xFFFD;

// Invalid UTF-8 sequences become U+FFFD, as the system's conversion does without
// MB_ERR_INVALID_CHARS.
std::wstring Ancho(std::string_view texto, UINT paginaCodigos) {
  if (texto.empty()) return {};
  const auto longitud = static_cast<int>(texto.size());
  const int unidades = MultiByteToWideChar(paginaCodigos, 0, texto.data(), longitud, nullptr, 0);
  if (unidades <= 0) throw std::runtime_error("Error de conversión de texto Unicode");
  std::wstring ancho(static_cast<size_t>(unidades), L'\0');
  MultiByteToWideChar(paginaCodigos, 0, texto.data(), longitud, ancho.data(), unidades);
  return ancho;
}

std::string Utf8(std::wstring_view ancho) {
  if (ancho.empty()) return {};
  const auto longitud = static_cast<int>(ancho.size());
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, ancho.data(), longitud, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) throw std::runtime_error("Error de conversión de texto Unicode");
  std::string utf8(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, ancho.data(), longitud, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

std::wstring_view Vista(std::u16string_view utf16) {
  return {reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size()};
}

// Linguistic casing keeps every unit in place: the result has as many units as the text.
std::wstring CambiarCaso(std::wstring texto, DWORD caso) {
  if (texto.empty()) return texto;
  const auto longitud = static_cast<int>(texto.size());
  std::wstring resultado(texto.size(), L'\0');
  const int escritas = LCMapStringEx(L"es-ES", caso | LCMAP_LINGUISTIC_CASING, texto.data(),
                                     longitud, resultado.data(), longitud, nullptr, nullptr, 0);
  if (escritas != longitud) throw std::runtime_error("Error al cambiar las mayúsculas del texto");
  return resultado;
}

std::wstring Unidades(char32_t c) {
  if (c < 0x10000) return std::wstring(1, static_cast<wchar_t>(c));
  const char32_t v = c - 0x10000;
  return {static_cast<wchar_t>(0xD800 + (v >> 10)), static_cast<wchar_t>(0xDC00 + (v & 0x3FF))};
}

char32_t PrimerCodigo(std::wstring_view unidades) {
  if (unidades.size() >= 2 && IS_HIGH_SURROGATE(unidades[0]) && IS_LOW_SURROGATE(unidades[1])) {
    return 0x10000 + ((static_cast<char32_t>(unidades[0]) - 0xD800) << 10) +
           (static_cast<char32_t>(unidades[1]) - 0xDC00);
  }
  return unidades.empty() ? kSustituto : static_cast<char32_t>(unidades[0]);
}

}  // namespace

std::u16string Utf8AUtf16(std::string_view utf8) {
  const auto ancho = Ancho(utf8, CP_UTF8);
  return {reinterpret_cast<const char16_t*>(ancho.data()), ancho.size()};
}

std::string Utf16AUtf8(std::u16string_view utf16) { return Utf8(Vista(utf16)); }

bool EsUtf8(std::string_view texto) {
  if (texto.empty()) return true;
  return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, texto.data(),
                             static_cast<int>(texto.size()), nullptr, 0) > 0;
}

std::string Windows1252AUtf8(std::string_view texto) { return Utf8(Ancho(texto, 1252)); }

std::string Mayusculas(std::string_view utf8) {
  std::string resultado(utf8);
  bool soloAscii = true;
  for (char& c : resultado) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      soloAscii = false;
      break;
    }
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (soloAscii) return resultado;
  return Utf8(CambiarCaso(Ancho(utf8, CP_UTF8), LCMAP_UPPERCASE));
}

char32_t Mayuscula(char32_t c) { return PrimerCodigo(CambiarCaso(Unidades(c), LCMAP_UPPERCASE)); }

char32_t Minuscula(char32_t c) { return PrimerCodigo(CambiarCaso(Unidades(c), LCMAP_LOWERCASE)); }

std::u32string CodePoints(std::string_view utf8) {
  const auto ancho = Ancho(utf8, CP_UTF8);
  std::u32string resultado;
  resultado.reserve(ancho.size());
  for (size_t i = 0; i < ancho.size(); ++i) {
    const wchar_t u = ancho[i];
    if (IS_HIGH_SURROGATE(u) && i + 1 < ancho.size() && IS_LOW_SURROGATE(ancho[i + 1])) {
      resultado.push_back(PrimerCodigo(std::wstring_view(ancho).substr(i, 2)));
      ++i;
    } else if (IS_HIGH_SURROGATE(u) || IS_LOW_SURROGATE(u)) {
      resultado.push_back(kSustituto);
    } else {
      resultado.push_back(static_cast<char32_t>(u));
    }
  }
  return resultado;
}

void AnadirUtf8(std::string& destino, char32_t c) { destino += Utf8(Unidades(c)); }

// The system classifies UTF-16 units: a character beyond the first plane is judged by its
// leading surrogate, so it counts as punctuation. Word itself makes the word units on Windows;
// only the in-memory Word asks this there.
bool EsLetraMarcaONumero(char32_t c) {
  const auto unidades = Unidades(c);
  WORD tipo1[2] = {};
  WORD tipo3[2] = {};
  const auto longitud = static_cast<int>(unidades.size());
  if (!GetStringTypeW(CT_CTYPE1, unidades.data(), longitud, tipo1) ||
      !GetStringTypeW(CT_CTYPE3, unidades.data(), longitud, tipo3)) {
    return false;
  }
  return (tipo1[0] & (C1_ALPHA | C1_DIGIT)) != 0 ||
         (tipo3[0] & (C3_NONSPACING | C3_DIACRITIC | C3_VOWELMARK)) != 0;
}

}  // namespace quillora::texto
