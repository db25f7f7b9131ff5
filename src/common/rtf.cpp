#include "common/rtf.h"

#include <array>
#include <cctype>
#include <charconv>
#include <vector>

#include "common/texto_unicode.h"

namespace quillora::rtf {

namespace {

// Code page 1252 from 0x80 to 0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> kCp1252Alto = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The code page 1252 byte of a character, or 0 when it has none.
unsigned char ByteCp1252(char32_t c) {
  if (c >= 0xA0 && c <= 0xFF) return static_cast<unsigned char>(c);
  for (size_t i = 0; i < kCp1252Alto.size(); ++i) {
    if (kCp1252Alto[i] == c) return static_cast<unsigned char>(0x80 + i);
  }
  return 0;
}

char32_t CaracterCp1252(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kCp1252Alto[byte - 0x80];
  return byte;
}

constexpr std::string_view kCabecera =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082{\\fonttbl{\\f0\\fnil\\fcharset0 Microsoft Sans "
    "Serif;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 ";

}  // namespace

std::string DocumentoDeTexto(std::string_view texto) {
  std::string documento(kCabecera);
  static constexpr char kHex[] = "0123456789abcdef";
  for (const char32_t c : texto::CodePoints(texto)) {
    if (c == U'\n') {
      documento += "\\par\r\n";
    } else if (c == U'\r') {
      continue;  // the line feed that follows makes the paragraph
    } else if (c == U'\\' || c == U'{' || c == U'}') {
      documento += '\\';
      documento += static_cast<char>(c);
    } else if (c < 0x80) {
      documento += static_cast<char>(c);
    } else if (const unsigned char byte = ByteCp1252(c)) {
      documento += "\\'";
      documento += kHex[byte >> 4];
      documento += kHex[byte & 0xF];
    } else {
      // \uN takes a signed 16-bit number; characters beyond it go as their two surrogates.
      const auto utf16 = texto::Utf8AUtf16([&] {
        std::string uno;
        texto::AnadirUtf8(uno, c);
        return uno;
      }());
      for (const char16_t unidad : utf16) {
        documento += "\\u" + std::to_string(static_cast<std::int16_t>(unidad)) + "?";
      }
    }
  }
  documento += "\\par\r\n}\r\n";
  return documento;
}

std::optional<std::string> TextoDeDocumento(std::string_view documento) {
  if (!documento.starts_with("{\\rtf")) return std::nullopt;
  struct Grupo {
    bool ignorado;
    int saltoUnicode;
  };
  std::vector<Grupo> grupos;
  std::u16string texto;
  int pendientesDeSaltar = 0;
  size_t i = 0;
  auto escribir = [&](char16_t unidad) {
    if (pendientesDeSaltar > 0) {
      --pendientesDeSaltar;
      return;
    }
    if (!grupos.back().ignorado) texto.push_back(unidad);
  };
  while (i < documento.size()) {
    const char c = documento[i];
    if (c == '{') {
      grupos.push_back(grupos.empty() ? Grupo{false, 1} : grupos.back());
      ++i;
      continue;
    }
    if (c == '}') {
      if (grupos.empty()) return std::nullopt;
      grupos.pop_back();
      ++i;
      if (grupos.empty()) break;
      continue;
    }
    if (grupos.empty()) return std::nullopt;
    if (c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c != '\\') {
      escribir(static_cast<unsigned char>(c));
      ++i;
      continue;
    }
    if (i + 1 >= documento.size()) return std::nullopt;
    const char siguiente = documento[i + 1];
    if (siguiente == '\\' || siguiente == '{' || siguiente == '}') {
      escribir(static_cast<unsigned char>(siguiente));
      i += 2;
      continue;
    }
    if (siguiente == '\'') {
      unsigned byte = 0;
      const auto* desde = documento.data() + i + 2;
      if (i + 4 > documento.size() ||
          std::from_chars(desde, desde + 2, byte, 16).ptr != desde + 2) {
        return std::nullopt;
      }
      escribir(static_cast<char16_t>(CaracterCp1252(static_cast<unsigned char>(byte))));
      i += 4;
      continue;
    }
    if (siguiente == '*') {  // a destination this reader need not understand
      grupos.back().ignorado = true;
      i += 2;
      continue;
    }
    if (std::isalpha(static_cast<unsigned char>(siguiente)) == 0) {
      i += 2;  // a control symbol such as "\~" or "\-"
      continue;
    }
    size_t fin = i + 1;
    while (fin < documento.size() && std::isalpha(static_cast<unsigned char>(documento[fin])))
      ++fin;
    const std::string_view palabra = documento.substr(i + 1, fin - i - 1);
    int parametro = 0;
    bool conParametro = false;
    if (fin < documento.size() &&
        (documento[fin] == '-' || std::isdigit(static_cast<unsigned char>(documento[fin])))) {
      const auto [fin2, error] =
          std::from_chars(documento.data() + fin, documento.data() + documento.size(), parametro);
      if (error != std::errc{}) return std::nullopt;
      fin = static_cast<size_t>(fin2 - documento.data());
      conParametro = true;
    }
    if (fin < documento.size() && documento[fin] == ' ') ++fin;  // the delimiting blank
    i = fin;
    if (palabra == "par" || palabra == "line") {
      escribir(u'\n');
    } else if (palabra == "tab") {
      escribir(u'\t');
    } else if (palabra == "uc" && conParametro) {
      grupos.back().saltoUnicode = parametro;
    } else if (palabra == "u" && conParametro) {
      escribir(static_cast<char16_t>(static_cast<std::int16_t>(parametro)));
      pendientesDeSaltar = grupos.back().saltoUnicode;
    } else if (palabra == "fonttbl" || palabra == "colortbl" || palabra == "stylesheet" ||
               palabra == "info" || palabra == "pict") {
      grupos.back().ignorado = true;
    }
  }
  if (!grupos.empty()) return std::nullopt;
  return texto::Utf16AUtf8(texto);
}

}  // namespace quillora::rtf
