// libFuzzer target for the .docx host: any bytes either fail to open with ErrorDocx, or open;
// an opened document, marked as the processing run marks it, either refuses to save with
// ErrorDocx or saves into a package that opens again with the same text and comments.
//
// Inputs that are not ZIP files are taken as the main part of a small package (and, after a
// line "<!--comentarios-->", as its comments part), so that mutations reach the XML walk and
// edit instead of dying on a ZIP checksum.
#include <zip.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documento_docx.h"
#include "memory_document.h"
#include "word/comment.h"
#include "word/range.h"

namespace {

constexpr std::string_view kTipos =
    "<?xml version=\"1.0\"?><Types "
    "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" "
    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/"
    "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "<Override PartName=\"/word/comments.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml\"/"
    "></Types>";
constexpr std::string_view kRelaciones =
    "<?xml version=\"1.0\"?><Relationships "
    "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/></Relationships>";
constexpr std::string_view kRelacionesDocumento =
    "<?xml version=\"1.0\"?><Relationships "
    "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/comments\" "
    "Target=\"comments.xml\"/></Relationships>";

std::vector<std::uint8_t> Paquete(std::string_view entrada) {
  constexpr std::string_view separador = "<!--comentarios-->";
  const auto corte = entrada.find(separador);
  const std::string_view documento = entrada.substr(0, corte);
  const std::vector<std::pair<std::string_view, std::string_view>> partes = {
      {"[Content_Types].xml", kTipos},
      {"_rels/.rels", kRelaciones},
      {"word/_rels/document.xml.rels", kRelacionesDocumento},
      {"word/document.xml", documento},
      {"word/comments.xml", corte == std::string_view::npos
                                ? std::string_view()
                                : entrada.substr(corte + separador.size())}};
  zip_source_t* fuente = zip_source_buffer_create(nullptr, 0, 0, nullptr);
  zip_source_keep(fuente);
  zip_t* archivo = zip_open_from_source(fuente, ZIP_TRUNCATE, nullptr);
  for (const auto& [nombre, contenido] : partes) {
    if (nombre == "word/comments.xml" && corte == std::string_view::npos) continue;
    zip_file_add(archivo, std::string(nombre).c_str(),
                 zip_source_buffer(archivo, contenido.data(), contenido.size(), 0), 0);
  }
  zip_close(archivo);
  zip_stat_t estado;
  zip_source_stat(fuente, &estado);
  std::vector<std::uint8_t> bytes(estado.size);
  zip_source_open(fuente);
  zip_source_read(fuente, bytes.data(), bytes.size());
  zip_source_close(fuente);
  zip_source_free(fuente);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
  using quillora::docx::DocumentoDocx;
  using quillora::docx::ErrorDocx;
  const std::string_view entrada(reinterpret_cast<const char*>(datos), tamano);
  const std::vector<std::uint8_t> bytes = entrada.starts_with("PK")
                                              ? std::vector<std::uint8_t>(datos, datos + tamano)
                                              : Paquete(entrada);
  std::optional<DocumentoDocx> documento;
  try {
    documento.emplace(DocumentoDocx::AbrirBytes(bytes));
  } catch (const ErrorDocx&) {
    return 0;
  }
  const auto& memoria = *documento->Documento();
  if (auto palabra = memoria.Range()->GetWords()->GetFirst()) {
    auto marca = memoria.GetComments()->Add(*palabra, "alternativa\r\notra");
    marca->SetAuthor("Quillora");
    marca->SetInitial("QKV");
  }
  // The processing run deletes earlier marks too.
  auto comentarios = memoria.GetComments();
  if (comentarios->Count() > 1 && comentarios->Item(2)->GetInitial() != "QKV")
    comentarios->Item(2)->Delete();
  const std::string texto = memoria.MainText();
  const std::size_t cuantos = memoria.CommentList().size();
  std::vector<std::uint8_t> salida;
  try {
    salida = documento->GuardarBytes();
  } catch (const ErrorDocx&) {
    return 0;
  }
  // What was saved must open: an ErrorDocx here escapes and is reported as a crash.
  const auto releido = DocumentoDocx::AbrirBytes(salida);
  if (releido.Documento()->MainText() != texto ||
      releido.Documento()->CommentList().size() != cuantos) {
    __builtin_trap();
  }
  return 0;
}
