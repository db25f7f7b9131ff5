#pragma once

#include <optional>
#include <string>
#include <string_view>

// Small Rich Text Format documents, as a rich text box writes them.
namespace quillora::rtf {

// A one-font document holding the text: paragraphs at line breaks, characters of code page 1252
// as "\'xx", any other as "\uN?", and "\", "{", "}" escaped.
std::string DocumentoDeTexto(std::string_view texto);

// The plain text of a document (paragraphs as "\n"); none when it is not a well-formed RTF
// document (no "{\rtf" head, unbalanced braces, a broken escape).
std::optional<std::string> TextoDeDocumento(std::string_view documento);

}  // namespace quillora::rtf
