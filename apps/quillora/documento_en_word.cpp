#include "documento_en_word.h"

#include "archivo.h"
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

std::vector<std::shared_ptr<memory::CommentData>> MarcasDe(
    const memory::MemoryDocument& documento) {
  std::vector<std::shared_ptr<memory::CommentData>> marcas;
  for (const auto& comentario : documento.CommentList()) {
    if (comentario->initials == kIniciales) marcas.push_back(comentario);
  }
  return marcas;
}

}  // namespace quillora
