#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "recorrido.h"
#include "xml.h"

namespace quillora::docx {

struct ComentarioAnclado {
  std::string id;
  std::int32_t inicio = 0;
  std::int32_t fin = 0;
};

// What to change in the main part, in terms of the walk that found its pieces and marks.
struct PlanDocumento {
  std::u16string_view texto;          // the main text to write, paragraph marks included
  std::vector<std::int32_t> marcas;   // per paragraph, its mark's position in `texto`
  std::vector<std::int32_t> inicios;  // per piece, where its text starts in `texto`
  std::vector<bool> cambiadas;        // per piece, whether its text changed
  std::set<std::string> borrar;       // comments whose anchors go
  std::vector<ComentarioAnclado> nuevos;
  std::string estiloReferencia;  // character style of comment references, or empty
};

// Applies the plan to the main part's tree, found by `recorrido`; answers the new comments it
// could not anchor, which must not be written.
//
// A piece keeps its run and so its formatting; when its text holds characters that stand for
// run elements it becomes a sequence of w:t and those elements in the same run. A paragraph
// that had no text gets one run carrying its paragraph mark's formatting. Comment anchors go
// between runs, splitting a run (its properties copied to both halves) when a position falls
// inside it. The reference run goes after the range's end, but never inside a field's result or
// a content control within a paragraph (it goes after them), nor in the first paragraph of a
// content control above the level of runs (it goes at the start of the next paragraph that is
// none, outside any field): in those places LibreOffice reads the comment's text as the body's
// or loses text before it. Without such a paragraph the comment is not anchored.
std::set<std::string> EditarDocumento(ParteXml& documento, const Recorrido& recorrido,
                                      const PlanDocumento& plan);

// Removes the anchors of these comments from a part's tree, with the runs that only held a
// reference; answers whether there were any.
bool QuitarAnclas(pugi::xml_node raiz, const std::set<std::string>& ids);

// The greatest w:id in the tree, or -1.
std::int64_t MayorId(pugi::xml_node raiz);

}  // namespace quillora::docx
