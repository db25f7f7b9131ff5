// Dictionary management: the browser changes the database; then the dictionary is read again
// from it, so that scanning and reviewing see the changes.
#include <stdexcept>

#include "addin/connect.h"
#include "addin/ignorar_errores.h"
#include "common/error_sistema.h"
#include "dictionary/carga_bd.h"
#include "dictionary/gestion_bd.h"
#include "editor/frm_entradas.h"
#include "scan/documentos.h"
#include "ui/servicios.h"
#include "ui/ventanas.h"
#include "word/application.h"

namespace quillora {

namespace {

// Plain messages with the desktop's default title.
void Avisar(ui::Servicios& servicios, const std::string& texto) {
  servicios.MsgBox(texto, ui::Icono::Ninguno, ui::Botones::Aceptar, "");
}

}  // namespace

void Connect::GestionarEntradas() {
  if (!frmEntradas_) frmEntradas_ = std::make_unique<frmEntradas>(servicios_);
  auto& ventanas = servicios_.GetVentanas();
  ventanas.SetWindowPos(ventanas.HwndDe(*frmEntradas_), ui::kHwndNoTopMost, 0, 0, 0, 0,
                        ui::kSwpNoSize | ui::kSwpNoMove);
  frmEntradas_->Load();
  servicios_.MostrarModal(*frmEntradas_);

  Word().GetSystem()->SetCursor(word::Cursor::Espera);
  IgnorarErrores([&] { Gestion.reset(); });
  try {
    Gestion = std::make_shared<GestionBD>();
    carga_bd::CargarDiccionario(*Gestion, servicios_);
  } catch (const std::exception& error) {
    Avisar(servicios_, std::string(" Error en : Carag info db ") + comun::MensajeEspanol(error));
  }
  try {
    if (!Gestion || !DocumentosCargados)
      throw std::runtime_error("No hay ningún diccionario cargado");
    for (const auto& documento : DocumentosCargados->NewEnum()) {
      Gestion->CargarDocumento(DocumentosCargados->IdDocumentoStr(documento));
    }
  } catch (const std::exception& error) {
    Avisar(servicios_,
           std::string(" Error en : crear col de documentos") + comun::MensajeEspanol(error));
  }
  IgnorarErrores([&] { Word().GetSystem()->SetCursor(word::Cursor::Normal); });
}

}  // namespace quillora
