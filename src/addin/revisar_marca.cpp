// Reviewing the mark under the pointer or around the selection, from the context entries.
#include "addin/connect.h"
#include "review/frm_quillora.h"
#include "ui/servicios.h"
#include "ui/ventanas.h"
#include "word/comment.h"

namespace quillora {

void Connect::RevisarMarca() {
  const auto documento = DocumentoDelComando();
  if (!documento) return;
  const auto marca = MarcaRecordadaEn(documento) ? MarcaRecordada : MarcaEnSeleccion(documento);
  if (!marca) {
    servicios_.MsgBox("Seleccione un concepto marcado por 'Quillora'", ui::Icono::Informacion,
                      ui::Botones::Aceptar, "Quillora");
    return;
  }
  if (!frmQuillora_) frmQuillora_ = std::make_unique<frmQuillora>(servicios_);
  auto& dialogo = *frmQuillora_;
  // A modal window of its own that does not stay above other programs' windows.
  auto& ventanas = servicios_.GetVentanas();
  ventanas.SetWindowPos(ventanas.HwndDe(dialogo), ui::kHwndNoTopMost, 0, 0, 0, 0,
                        ui::kSwpNoSize | ui::kSwpNoMove);
  dialogo.Load();
  dialogo.SetGestion(Gestion);
  dialogo.SetWrd(Wrd);
  dialogo.SetDocumentosCargados(DocumentosCargados);
  dialogo.SetSelectedComment(marca);
  dialogo.Cargar();
  servicios_.MostrarModal(dialogo);
}

}  // namespace quillora
