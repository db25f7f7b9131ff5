#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

// What the tests read back through LibreOffice: .docx files converted to OpenDocument in one
// run of the program, and the text and comments of the result.
namespace quillora::docx::prueba {

bool HayLibreOffice();

// Converts every file to OpenDocument text in `destino` (same stem, ".odt") with one start of
// LibreOffice and a private profile under `perfil`; false when the run failed.
bool ConvertirAOdt(const std::vector<std::filesystem::path>& archivos,
                   const std::filesystem::path& destino, const std::filesystem::path& perfil);

struct Anotacion {
  std::string autor;
  std::string texto;  // its paragraphs joined by '\n'
  bool operator==(const Anotacion&) const = default;
};
void PrintTo(const Anotacion& anotacion, std::ostream* salida);

// An OpenDocument text as the reader sees it: the body's paragraphs that hold text, each ended
// by '\n' (tabs, line breaks and runs of spaces as characters), without the comments and the
// record of tracked changes; and the comments in order. Empty paragraphs are left out: when a
// document holds comments, whoever wrote them, LibreOffice adds one before a table that opens
// a section and drops some that carry a section break.
struct TextoOdt {
  std::string cuerpo;
  std::vector<Anotacion> anotaciones;
};
TextoOdt LeerOdt(const std::filesystem::path& odt);

}  // namespace quillora::docx::prueba
