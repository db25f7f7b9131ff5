#pragma once

#include <string>
#include <string_view>

// Unicode helpers over UTF-8 text; ICU stays behind this header.
namespace quillora::texto {

// Conversions between UTF-8 and UTF-16; invalid sequences become U+FFFD.
std::u16string Utf8AUtf16(std::string_view utf8);
std::string Utf16AUtf8(std::u16string_view utf16);

// Upper case by simple, per-code-point mapping: the result has as many characters as the text
// (á → Á, ñ → Ñ; ß stays ß).
std::string Mayusculas(std::string_view utf8);

// The text without leading and trailing U+0020 blanks (tabs and other spaces stay).
std::string_view SinBlancosExteriores(std::string_view utf8);

// How the word units of a document treat a character.
enum class ClaseCaracter {
  Palabra,     // letters, digits, marks, joiners and the optional hyphen
  Blanco,      // the blank and the no-break space: trailing blanks of a word
  FinParrafo,  // paragraph mark, line and page breaks: a unit alone
  Puntuacion,  // anything else: one character per unit
};
ClaseCaracter Clasificar(char32_t c);

}  // namespace quillora::texto
