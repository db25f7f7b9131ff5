#pragma once

#include <cstddef>
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <unordered_map>
#include <vector>

#include "xml.h"

namespace quillora::docx {

// What a piece of the main text is in the XML: a w:t, or one of the run elements that stand
// for a character (w:tab, w:br, w:sym...).
struct Pieza {
  pugi::xml_node nodo;
  std::int32_t inicio = 0;
  std::int32_t largo = 0;
};

// A paragraph mark: the w:p it ends, its position in the text, how many pieces come before it
// and whether the paragraph is the first of a content control above the level of runs.
struct Marca {
  pugi::xml_node parrafo;
  std::int32_t posicion = 0;
  std::size_t piezasAntes = 0;
  bool primeroDeControl = false;
};

// A field's result, a simple field or a content control inside a paragraph: its pieces, the
// node that closes it (the fldChar ending a field, the w:fldSimple or w:sdt element) and the
// paragraph where it closes. Listed in the order in which they close.
struct Encierro {
  std::size_t primeraPieza = 0;
  std::size_t finPiezas = 0;
  pugi::xml_node cierre;
  std::size_t parrafo = 0;
};

// Where a comment's anchors fall in the text (-1 when absent) and the order in which its first
// anchor appeared.
struct Anclas {
  std::int32_t inicio = -1;
  std::int32_t fin = -1;
  std::int32_t referencia = -1;
  std::size_t orden = 0;
};

// The text a walk found, with its paragraph marks ('\r'), its pieces, the stretches closed by
// fields and in-line content controls, the comments' anchors by comment id, and where the
// references to notes are, by note ("footnote 2", "endnote 1").
struct Recorrido {
  std::u16string texto;
  std::vector<Pieza> piezas;
  std::vector<Marca> marcas;
  std::vector<Encierro> encierros;
  std::unordered_map<std::string, Anclas> anclas;
  std::unordered_map<std::string, std::int32_t> notas;
};

// Walks the body of a w:document.
//
// Main text: paragraphs in order, in table cells (nested too), content controls, custom XML,
// smart tags, hyperlinks, simple fields, tracked insertions and moves, bidirectional
// containers; in runs, w:t, the results of complex fields (never their codes), and tab
// (\t), line break (\v), page or column break (\f), non-breaking hyphen (U+2011), optional
// hyphen (U+00AD) and symbols. Everything else (deletions, text boxes, drawings, alternate
// content, properties, runs outside a paragraph) is left alone. Control characters inside
// w:t read as blanks, so that the text has no paragraph mark of its own.
// Room is kept for `largoEsperado` characters of text when known, else for as many as the part
// has bytes: a book's text is then never copied as it grows, and room never written is never
// touched.
Recorrido RecorrerDocumento(const ParteXml& documento, std::size_t largoEsperado = 0);

// The text of a comment: its paragraphs joined by '\r'.
std::string TextoDeComentario(pugi::xml_node comentario, const Nombres& nombres);

// The characters the text uses for run elements, and back.
inline constexpr char16_t kSaltoLinea = u'\v';
inline constexpr char16_t kSaltoPagina = u'\f';
inline constexpr char16_t kGuionDuro = u'\u2011';
inline constexpr char16_t kGuionOpcional = u'\u00AD';

}  // namespace quillora::docx

namespace quillora::docx {

// Text to write into runs, cut where a character stands for a run element.
enum class TipoSegmento { Texto, Tab, SaltoLinea, SaltoPagina, GuionDuro, GuionOpcional };
struct Segmento {
  TipoSegmento tipo;
  std::string texto;  // UTF-8, for Texto
};
// Refuses (ErrorDocx) characters an XML part cannot hold; '\n' counts as a line break.
std::vector<Segmento> Segmentar(std::u16string_view texto);
// Whether a w:t holding `texto` needs xml:space="preserve" to keep its blanks.
bool NecesitaPreservar(std::string_view texto);

}  // namespace quillora::docx
