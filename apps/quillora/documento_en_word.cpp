#include "documento_en_word.h"

#include <unistd.h>

#include <iostream>

#include "archivo.h"
#include "interrupcion.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "scan/frm_procesar.h"

namespace quillora {

DocumentoEnWord::DocumentoEnWord(const std::filesystem::path& entrada,
                                 const std::optional<std::filesystem::path>& salida)
    : docx(docx::DocumentoDocx::Abrir(entrada)),
      sesion(escritorio.servicios, escritorio.Entorno()) {
  if (salida) docx::ComprobarDestino(*salida);
  PrepararOrigen();
  sesion.Iniciar();
}

void DocumentoEnWord::Guardar(const std::filesystem::path& salida) {
  // The save of a large document takes a while after the progress bar has gone. Blanks over its
  // ten columns, not a control sequence, clear the line again.
  struct Aviso {
    Aviso() : enTerminal(isatty(STDERR_FILENO) == 1) {
      if (enTerminal) std::cerr << "Guardando…" << std::flush;
    }
    ~Aviso() {
      if (enTerminal) std::cerr << "\r          \r" << std::flush;
    }
    Aviso(const Aviso&) = delete;
    Aviso& operator=(const Aviso&) = delete;
    const bool enTerminal;
  } aviso;
  docx.Guardar(salida, terminal::Interrupcion::Temporal);
}

std::vector<std::shared_ptr<memory::CommentData>> MarcasDe(
    const memory::MemoryDocument& documento) {
  std::vector<std::shared_ptr<memory::CommentData>> marcas;
  for (const auto& comentario : documento.CommentList()) {
    if (comentario->initials == kIniciales) marcas.push_back(comentario);
  }
  return marcas;
}

}  // namespace quillora
