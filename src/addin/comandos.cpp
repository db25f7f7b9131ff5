// The commands behind the buttons of the command bar and the context entries.
#include "addin/connect.h"
#include "addin/ignorar_errores.h"
#include "common/enviar_sugerencia.h"
#include "common/leer_registro.h"
#include "common/ruta.h"
#include "common/shell.h"
#include "scan/frm_procesar.h"
#include "ui/servicios.h"
#include "word/application.h"
#include "word/comment.h"
#include "word/document.h"
#include "word/window.h"

namespace quillora {

namespace {

constexpr const char* kRevisor = "Quillora";

void Informar(ui::Servicios& servicios, const std::string& texto) {
  servicios.MsgBox(texto, ui::Icono::Informacion, ui::Botones::Aceptar, "Quillora");
}

}  // namespace

void Connect::qkvProcessButton_Click(const std::shared_ptr<word::CommandBarControl>& /*Ctrl*/,
                                     bool& /*CancelDefault*/) {
  frmProcesar ventana(servicios_);
  ventana.Load();
  ventana.SetWrd(Wrd);
  ventana.SetGestion(Gestion);
  ventana.SetDocumentos(DocumentosCargados);
  ventana.SetMarcarDesdobles(comun::LeerRegistro(entorno_.registro, "MarcarDesdobles") == "1");
  servicios_.MostrarModal(ventana);
}

void Connect::qkvShowButton_Click(const std::shared_ptr<word::CommandBarControl>& /*Ctrl*/,
                                  bool& /*CancelDefault*/) {
  MostrarResultado();
}

void Connect::qkvHideButton_Click(const std::shared_ptr<word::CommandBarControl>& /*Ctrl*/,
                                  bool& /*CancelDefault*/) {
  OcultarResultado();
}

void Connect::qkvNotaButton_Click(const std::shared_ptr<word::CommandBarControl>& /*Ctrl*/,
                                  bool& /*CancelDefault*/) {
  comun::EnviarSugerencia(entorno_.registro, entorno_.shell);
}

void Connect::qkvConfigurationButton_Click(const std::shared_ptr<word::CommandBarControl>& /*Ctrl*/,
                                           bool& /*CancelDefault*/) {
  GestionarEntradas();
}

void Connect::qkvHelpButton_Click(const std::shared_ptr<word::CommandBarControl>& /*Ctrl*/,
                                  bool& /*CancelDefault*/) {
  AbrirAyuda();
}

void Connect::quilloraContext_Click(const std::shared_ptr<word::CommandBarControl>& /*Ctrl*/,
                                    bool& /*CancelDefault*/) {
  RevisarMarca();
}

std::shared_ptr<word::Document> Connect::DocumentoDelComando() {
  std::shared_ptr<word::Document> documento;
  const bool hay = IgnorarErrores([&] {
    if (Word().GetDocuments()->Count() > 0) documento = Word().GetActiveDocument();
  });
  if (!hay || !documento) {
    Informar(servicios_, "No hay ningún documento activo");
    return nullptr;
  }
  return documento;
}

void Connect::MostrarResultado() {
  const auto documento = DocumentoDelComando();
  if (!documento) return;
  IgnorarErrores([&] {
    documento->GetActiveWindow()->GetView()->GetReviewers()->Item(kRevisor)->SetVisible(true);
  });
}

void Connect::OcultarResultado() {
  const auto documento = DocumentoDelComando();
  if (!documento) return;
  std::shared_ptr<word::Reviewers> revisores;
  if (!IgnorarErrores(
          [&] { revisores = documento->GetActiveWindow()->GetView()->GetReviewers(); })) {
    // Without per-reviewer views the marks cannot be hidden: they are deleted.
    IgnorarErrores([&] { BorrarMarcas(documento); });
    return;
  }
  IgnorarErrores([&] { revisores->Item(kRevisor)->SetVisible(false); });
}

void Connect::AbrirAyuda() {
  const auto carpeta = comun::LeerRegistro(entorno_.registro, "Path");
  if (carpeta.empty()) {
    Informar(servicios_, "No se ha podido abrir la ayuda");
    return;
  }
  entorno_.shell.Abrir(comun::RutaEnCarpeta(carpeta, "Ayuda.chm"));
}

}  // namespace quillora
