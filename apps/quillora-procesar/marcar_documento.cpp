#include "marcar_documento.h"

#include "dictionary/gestion_bd.h"
#include "memory_application.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "scan/documentos.h"
#include "scan/frm_procesar.h"
#include "ui/servicios.h"

namespace quillora {

ResultadoMarcado MarcarDocumento(const std::shared_ptr<memory::MemoryApplication>& word,
                                 const std::shared_ptr<memory::MemoryDocument>& documento,
                                 const std::shared_ptr<GestionBD>& gestion,
                                 ui::Servicios& servicios) {
  word->OpenDocument(documento);
  auto documentos = std::make_shared<Documentos>();
  documentos->SetGestion(gestion);
  documentos->Add(documento);
  gestion->CargarDocumento(documentos->IdDocumentoStr(documento));

  frmProcesar ventana(servicios);
  ventana.SetWrd(word);
  ventana.SetGestion(gestion);
  ventana.SetDocumentos(documentos);
  servicios.MostrarModal(ventana);
  documentos->Clear();  // the dictionary forgets the document's records

  ResultadoMarcado resultado;
  resultado.palabras = ventana.pbQuillora.GetMax();
  for (const auto& comentario : documento->CommentList()) {
    resultado.marcas += comentario->initials == kIniciales ? 1 : 0;
  }
  return resultado;
}

}  // namespace quillora
