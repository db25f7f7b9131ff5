#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Small Rich Text Format documents, as a rich text box writes them.
namespace quillora::rtf {

// A one-font document holding the text: paragraphs at line breaks, characters of code page 1252
// as "\'xx", any other as "\uN?", and "\", "{", "}" escaped.
std::string DocumentoDeTexto(std::string_view texto);

struct Color {
  std::uint8_t rojo = 0;
  std::uint8_t verde = 0;
  std::uint8_t azul = 0;
  bool operator==(const Color&) const = default;
};

// A stretch of text in one style; none as colour is the automatic one.
struct Tramo {
  std::string texto;
  bool negrita = false;
  bool cursiva = false;
  bool subrayado = false;
  std::optional<Color> color;
  bool operator==(const Tramo&) const = default;
};

// The text of a document in stretches of one style each, in order, adjacent stretches of the
// same style joined (paragraphs and line breaks as "\n"). Characters come from "\'hh" in code
// page 1252, from "\uN" (skipping the "\ucN" characters that follow), or as UTF-8 written into
// the document. None when it is not a well-formed RTF document (no "{\rtf" head, unbalanced
// braces, a broken escape); what follows the document's closing brace is not read.
std::optional<std::vector<Tramo>> LeerDocumento(std::string_view documento);

// The plain text of a document, as LeerDocumento reads it.
std::optional<std::string> TextoDeDocumento(std::string_view documento);

}  // namespace quillora::rtf
