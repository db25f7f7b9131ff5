#include "common/rtf.h"

#include <algorithm>
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

namespace {

// What a group sets for the text inside it.
struct Estado {
  bool ignorado = false;
  int saltoUnicode = 1;
  bool negrita = false;
  bool cursiva = false;
  bool subrayado = false;
  int color = 0;
};

// Reads one document; each method consumes from `pos_`.
class Lector {
 public:
  explicit Lector(std::string_view documento) : doc_(documento) {}

  std::optional<std::vector<Tramo>> Leer() {
    if (!doc_.starts_with("{\\rtf")) return std::nullopt;
    while (pos_ < doc_.size()) {
      const char c = doc_[pos_];
      if (c == '{') {
        grupos_.push_back(grupos_.empty() ? Estado{} : grupos_.back());
        ++pos_;
      } else if (c == '}') {
        if (grupos_.empty()) return std::nullopt;
        if (enTablaColores_ == grupos_.size()) enTablaColores_ = 0;
        grupos_.pop_back();
        ++pos_;
        if (grupos_.empty()) break;
      } else if (grupos_.empty()) {
        return std::nullopt;
      } else if (c == '\r' || c == '\n') {
        ++pos_;
      } else if (c == '\\') {
        if (!Control()) return std::nullopt;
      } else if (c == ';' && enTablaColores_ != 0) {
        colores_.push_back(colorEnCurso_);
        colorEnCurso_ = {};
        ++pos_;
      } else {
        Caracter();
      }
    }
    if (!grupos_.empty()) return std::nullopt;
    return std::move(tramos_);
  }

 private:
  // A character written into the document: UTF-8 as this program writes it, or else a byte of
  // code page 1252.
  void Caracter() {
    const auto byte = static_cast<unsigned char>(doc_[pos_]);
    std::size_t largo = byte < 0x80    ? 1
                        : byte >= 0xF0 ? 4
                        : byte >= 0xE0 ? 3
                        : byte >= 0xC0 ? 2
                                       : 0;
    if (largo > 1 && (pos_ + largo > doc_.size() || !texto::EsUtf8(doc_.substr(pos_, largo)))) {
      largo = 0;
    }
    if (largo == 0) {
      Escribir(CaracterCp1252(byte));
      ++pos_;
      return;
    }
    for (const char32_t letra : texto::CodePoints(doc_.substr(pos_, largo))) Escribir(letra);
    pos_ += largo;
  }

  void Escribir(char32_t letra) {
    if (pendientesDeSaltar_ > 0) {
      --pendientesDeSaltar_;
      return;
    }
    const auto& estado = grupos_.back();
    if (estado.ignorado || letra == 0) return;
    Tramo estilo;
    estilo.negrita = estado.negrita;
    estilo.cursiva = estado.cursiva;
    estilo.subrayado = estado.subrayado;
    if (estado.color > 0 && static_cast<std::size_t>(estado.color) < colores_.size()) {
      estilo.color = colores_[static_cast<std::size_t>(estado.color)];
    }
    if (tramos_.empty() || tramos_.back().negrita != estilo.negrita ||
        tramos_.back().cursiva != estilo.cursiva || tramos_.back().subrayado != estilo.subrayado ||
        tramos_.back().color != estilo.color) {
      tramos_.push_back(std::move(estilo));
    }
    // Half of a surrogate pair waits for the other half.
    if (letra >= 0xD800 && letra <= 0xDBFF) {
      alto_ = letra;
      return;
    }
    if (letra >= 0xDC00 && letra <= 0xDFFF && alto_ != 0) {
      letra = 0x10000 + ((alto_ - 0xD800) << 10) + (letra - 0xDC00);
    }
    alto_ = 0;
    texto::AnadirUtf8(tramos_.back().texto, letra);
  }

  // A control word, symbol or escape at `pos_`; false when it is broken.
  bool Control() {
    if (pos_ + 1 >= doc_.size()) return false;
    const char siguiente = doc_[pos_ + 1];
    if (siguiente == '\\' || siguiente == '{' || siguiente == '}') {
      Escribir(static_cast<unsigned char>(siguiente));
      pos_ += 2;
      return true;
    }
    if (siguiente == '\'') {
      unsigned byte = 0;
      const auto* desde = doc_.data() + pos_ + 2;
      if (pos_ + 4 > doc_.size() || std::from_chars(desde, desde + 2, byte, 16).ptr != desde + 2) {
        return false;
      }
      Escribir(CaracterCp1252(static_cast<unsigned char>(byte)));
      pos_ += 4;
      return true;
    }
    if (siguiente == '*') {  // a destination this reader need not understand
      grupos_.back().ignorado = true;
      pos_ += 2;
      return true;
    }
    if (std::isalpha(static_cast<unsigned char>(siguiente)) == 0) {
      if (siguiente == '~') Escribir(0xA0);
      pos_ += 2;  // other control symbols, such as "\-", write nothing
      return true;
    }
    std::size_t fin = pos_ + 1;
    while (fin < doc_.size() && std::isalpha(static_cast<unsigned char>(doc_[fin]))) ++fin;
    const std::string_view palabra = doc_.substr(pos_ + 1, fin - pos_ - 1);
    std::optional<int> parametro;
    if (fin < doc_.size() &&
        (doc_[fin] == '-' || std::isdigit(static_cast<unsigned char>(doc_[fin])))) {
      int numero = 0;
      const auto [final, error] =
          std::from_chars(doc_.data() + fin, doc_.data() + doc_.size(), numero);
      if (error != std::errc{}) return false;
      fin = static_cast<std::size_t>(final - doc_.data());
      parametro = numero;
    }
    if (fin < doc_.size() && doc_[fin] == ' ') ++fin;  // the delimiting blank
    pos_ = fin;
    Palabra(palabra, parametro);
    return true;
  }

  void Palabra(std::string_view palabra, std::optional<int> parametro) {
    auto& estado = grupos_.back();
    const bool activa = parametro.value_or(1) != 0;
    if (palabra == "par" || palabra == "line") {
      Escribir(U'\n');
    } else if (palabra == "tab") {
      Escribir(U'\t');
    } else if (palabra == "uc" && parametro) {
      estado.saltoUnicode = *parametro;
    } else if (palabra == "u" && parametro) {
      Escribir(static_cast<char16_t>(static_cast<std::int16_t>(*parametro)));
      pendientesDeSaltar_ = estado.saltoUnicode;
    } else if (palabra == "b") {
      estado.negrita = activa;
    } else if (palabra == "i") {
      estado.cursiva = activa;
    } else if (palabra == "ul") {
      estado.subrayado = activa;
    } else if (palabra == "ulnone") {
      estado.subrayado = false;
    } else if (palabra == "cf") {
      estado.color = parametro.value_or(0);
    } else if (palabra == "plain") {
      estado.negrita = estado.cursiva = estado.subrayado = false;
      estado.color = 0;
    } else if (palabra == "colortbl") {
      estado.ignorado = true;
      enTablaColores_ = grupos_.size();
    } else if (enTablaColores_ != 0 && parametro &&
               (palabra == "red" || palabra == "green" || palabra == "blue")) {
      const auto valor = static_cast<std::uint8_t>(std::clamp(*parametro, 0, 255));
      (palabra == "red"     ? colorEnCurso_.rojo
       : palabra == "green" ? colorEnCurso_.verde
                            : colorEnCurso_.azul) = valor;
    } else if (palabra == "fonttbl" || palabra == "stylesheet" || palabra == "info" ||
               palabra == "pict") {
      estado.ignorado = true;
    }
  }

  std::string_view doc_;
  std::size_t pos_ = 0;
  std::vector<Estado> grupos_;
  std::vector<Tramo> tramos_;
  // The colour table: entry 0 is the automatic colour, whatever it says.
  std::vector<Color> colores_;
  Color colorEnCurso_;
  std::size_t enTablaColores_ = 0;  // the depth of the colour table's group, 0 outside it
  int pendientesDeSaltar_ = 0;
  char32_t alto_ = 0;
};

}  // namespace

std::optional<std::vector<Tramo>> LeerDocumento(std::string_view documento) {
  return Lector(documento).Leer();
}

std::optional<std::string> TextoDeDocumento(std::string_view documento) {
  const auto tramos = LeerDocumento(documento);
  if (!tramos) return std::nullopt;
  std::string texto;
  for (const auto& tramo : *tramos) texto += tramo.texto;
  return texto;
}

}  // namespace quillora::rtf
