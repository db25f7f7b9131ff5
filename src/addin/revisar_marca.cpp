// Reviewing the mark under the pointer or around the selection, from the context entries.
#include "addin/connect.h"
#include "ui/servicios.h"
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
  // TODO(#8): show the review dialog frmQuillora on the mark.
}

}  // namespace quillora
