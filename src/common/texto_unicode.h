#pragma once

#include <string>
#include <string_view>

// Unicode helpers over UTF-8 text; ICU stays behind this header.
namespace quillora::texto {

// Conversions between UTF-8 and UTF-16; invalid sequences become U+FFFD.
std::u16string Utf8AUtf16(std::string_view utf8);
std::string Utf16AUtf8(std::u16string_view utf16);

// Whether the bytes are well-formed UTF-8.
bool EsUtf8(std::string_view texto);

// Text in the Windows Western code page (1252) as UTF-8, as older Windows programs write it.
std::string Windows1252AUtf8(std::string_view texto);

// Upper case by simple, per-code-point mapping: the result has as many characters as the text
// (á → Á, ñ → Ñ; ß stays ß).
std::string Mayusculas(std::string_view utf8);

// The letter in the other case, or the character itself when it has none (simple mapping).
char32_t Mayuscula(char32_t c);
char32_t Minuscula(char32_t c);

// The code points of a UTF-8 text; invalid sequences become U+FFFD.
std::u32string CodePoints(std::string_view utf8);
// Appends the UTF-8 form of a code point.
void AnadirUtf8(std::string& destino, char32_t c);

// The bytes of the text percent-encoded ("%C3%B1"), but for ASCII letters and digits and the
// characters of `conservados`, which stay as they are.
std::string CodificarPorcentaje(std::string_view texto, std::string_view conservados);

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
