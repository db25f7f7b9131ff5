#pragma once

#include <string>
#include <string_view>

// The small rich-text documents of the review dialog's boxes. Text is UTF-8: a character the
// escapes leave alone stands for itself in the document.
namespace quillora::rft {

// The fixed head of every document: one font, Spanish, 8.5 points. Left open for the content
// and a closing "}".
std::string CabeceraRTF();

// Backslashes doubled, the Spanish accented letters and ñ as code-page escapes, carriage returns
// as paragraph ends; nothing else changes.
std::string EscaparRTF(std::string_view texto);

// The text in bold.
std::string Negrita(std::string_view texto);

// The text in colour 1, magenta in the table of InsertarTablaColores.
std::string Resaltar(std::string_view texto);

// The document with a colour table (automatic, magenta) right after its first "}}", the end of
// the font table.
std::string InsertarTablaColores(std::string_view documento);

// Splits a stored document (an entry's explanation) into its head, which goes to `cabecera` with
// the size set to 8.5 points and without indents, spacing or justification, and its body, which
// is returned with the bold, italic and underline of the head put in front. Text that is empty
// or not such a document is taken as plain text, with the fixed head.
std::string SepararRTF(std::string_view documento, std::string& cabecera);

}  // namespace quillora::rft
