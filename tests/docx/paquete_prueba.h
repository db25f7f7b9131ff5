#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the .docx tests build and inspect: ZIP files written and read with libzip, a private
// folder, and small Word packages made from XML fragments.
namespace quillora::docx::prueba {

using Entradas = std::vector<std::pair<std::string, std::string>>;

void EscribirZip(const std::filesystem::path& ruta, const Entradas& entradas);
Entradas LeerZip(const std::filesystem::path& ruta);
std::map<std::string, std::string> PartesDe(const std::filesystem::path& ruta);
std::string LeerBytes(const std::filesystem::path& ruta);
void EscribirBytes(const std::filesystem::path& ruta, const std::string& bytes);
// The names in a folder, sorted.
std::vector<std::string> Archivos(const std::filesystem::path& carpeta);

class CarpetaTemporal {
 public:
  CarpetaTemporal();
  CarpetaTemporal(const CarpetaTemporal&) = delete;
  CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;
  ~CarpetaTemporal();
  const std::filesystem::path& Ruta() const { return ruta_; }
  std::filesystem::path operator/(const std::string& nombre) const { return ruta_ / nombre; }
  std::vector<std::string> Archivos() const { return prueba::Archivos(ruta_); }

 private:
  std::filesystem::path ruta_;
};

inline constexpr const char* kEspacios =
    " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\""
    " xmlns:w14=\"http://schemas.microsoft.com/office/word/2010/wordml\""
    " xmlns:w15=\"http://schemas.microsoft.com/office/word/2012/wordml\""
    " xmlns:w16cid=\"http://schemas.microsoft.com/office/word/2016/wordml/cid\""
    " xmlns:w16cex=\"http://schemas.microsoft.com/office/word/2018/wordml/cex\""
    " xmlns:wps=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\""
    " xmlns:v=\"urn:schemas-microsoft-com:vml\"";

// A minimal Word package around a body, with optional comment parts (their inner XML).
struct Docx {
  std::string cuerpo;
  bool estilos = true;
  std::optional<std::string> comentarios;
  std::optional<std::string> extendidos;
  std::optional<std::string> ids;
  std::optional<std::string> extensibles;
  std::optional<std::string> notas;  // the footnotes part's content, instead of one plain note
  std::string principal = "word/document.xml";
  std::optional<std::string> documento;  // the whole main part, instead of one around `cuerpo`

  Entradas Paquete() const;
  void Escribir(const std::filesystem::path& ruta) const { EscribirZip(ruta, Paquete()); }
};

// The runs' text of every paragraph of a WordprocessingML part with each stretch's run
// properties, adjacent stretches of equal properties joined: what formatting the text has,
// however its runs are split.
std::vector<std::string> Formato(const std::string& xml);

// The shape of the n-th paragraph of the body (from 0), child by child: "r[b]:texto" for a run
// with its properties and content (⇥ tab, ↵ break, @N comment reference), "<N" and ">N" for
// comment range marks, other elements by their local name.
std::string Forma(const std::string& xml, int parrafo = 0);

}  // namespace quillora::docx::prueba
