#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "documento_docx.h"
#include "escritorio_terminal.h"
#include "sesion_word.h"

namespace quillora {

namespace memory {
class CommentData;
class MemoryDocument;
}  // namespace memory

// A .docx opened in Word with the add-in loaded, as the add-in's buttons find it: the file is
// read first (a bad file fails before anything else), then where it is to be saved is checked
// (so that no work is done that cannot be saved), then the data source is made ready and Word
// starts.
struct DocumentoEnWord {
  explicit DocumentoEnWord(const std::filesystem::path& entrada,
                           const std::optional<std::filesystem::path>& salida = std::nullopt);

  const std::shared_ptr<memory::MemoryDocument>& Documento() const { return docx.Documento(); }
  // Saves the document, saying so on a terminal while it lasts; a program ended meanwhile by
  // Ctrl+C or a signal leaves no temporary file behind.
  void Guardar(const std::filesystem::path& salida);
  // Whether the add-in has shown a message since it started, or since `desde` messages.
  bool HuboMensajes(int desde = 0) const {
    return escritorio.servicios.GetMensajesMostrados() > desde;
  }

  docx::DocumentoDocx docx;
  EscritorioTerminal escritorio;
  SesionWord sesion;
};

// The marks of the document in document order.
std::vector<std::shared_ptr<memory::CommentData>> MarcasDe(const memory::MemoryDocument& documento);

}  // namespace quillora
