#pragma once

#include <filesystem>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

// What the tests read back through LibreOffice: marked .docx files converted to OpenDocument, and
// their text and comments compared with their originals'.
namespace quillora::docx::prueba {

bool HayLibreOffice();

struct Anotacion {
  std::string autor;
  std::string texto;  // its paragraphs joined by '\n'
  bool operator==(const Anotacion&) const = default;
};
void PrintTo(const Anotacion& anotacion, std::ostream* salida);

// Converts `carpeta`/N.docx and `carpeta`/N-marcado.docx, for every N of `marcas`, with one start
// of LibreOffice, and expects each marked file read with its original's text (the paragraphs that
// hold text; tabs, breaks and runs of spaces as characters), its original's comments and the
// marks given for N, comments that start at one place in any order.
void EsperarMarcadosComoOriginales(const std::filesystem::path& carpeta,
                                   const std::map<std::string, std::vector<Anotacion>>& marcas);

}  // namespace quillora::docx::prueba
