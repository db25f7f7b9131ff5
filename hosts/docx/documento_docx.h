#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

#include "archivo.h"

namespace quillora::memory {
class MemoryDocument;
}

namespace quillora::docx {

// A .docx that cannot be opened, or saved without damaging it; the message is for the user.
class ErrorDocx : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A .docx opened into the in-memory Word. The main text (body, table cells, hyperlinks, field
// results, content controls, tracked insertions) becomes the document's main story, one
// paragraph per w:p, and its comments become the document's comments. Saving writes back what
// changed there: edited text keeps its runs' formatting, comments deleted or added are removed
// from or written to every comment part, and every other part is copied byte for byte. Its
// window has no per-reviewer views.
class DocumentoDocx {
 public:
  static DocumentoDocx Abrir(const std::filesystem::path& ruta);
  static DocumentoDocx AbrirBytes(std::span<const std::uint8_t> bytes);

  DocumentoDocx(DocumentoDocx&&) noexcept;
  DocumentoDocx& operator=(DocumentoDocx&&) noexcept;
  ~DocumentoDocx();

  const std::shared_ptr<memory::MemoryDocument>& Documento() const;

  // Writes the document atomically (the input's path is allowed); on error nothing is written.
  // `aviso` is told of the temporary file meanwhile (see archivo.h). After a save, later saves
  // start from what was saved.
  void Guardar(const std::filesystem::path& ruta, AvisoTemporal aviso = nullptr);
  std::vector<std::uint8_t> GuardarBytes();
  // How many new comments the last save left out, and deleted from the document: those whose
  // place inside a content control no word processor reads whole.
  std::size_t NoAnclados() const;

 private:
  class Impl;
  explicit DocumentoDocx(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace quillora::docx
