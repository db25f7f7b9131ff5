#include "sesion_word.h"

#include "memory_application.h"
#include "memory_command_bars.h"
#include "memory_document.h"
#include "word/command_bars.h"

namespace quillora {

namespace {

memory::MemoryWordOptions OpcionesWord() {
  memory::MemoryWordOptions opciones;
  opciones.perReviewerViews = false;
  opciones.builtInBars = {"Standard", "Formatting",  "Comment", "Ink Comment", "Spelling",
                          "Grammar",  "Grammar (2)", "Text",    "Fields"};
  return opciones;
}

}  // namespace

SesionWord::SesionWord(ui::Servicios& servicios, comun::Entorno entorno)
    : word_(std::make_shared<memory::MemoryApplication>(OpcionesWord())),
      connect_(servicios, entorno) {}

SesionWord::~SesionWord() {
  try {
    Terminar();
  } catch (const std::exception&) {
    // Word goes anyway; what the add-in could not clean up goes with it.
  }
}

void SesionWord::Iniciar() {
  iniciada_ = true;
  connect_.OnConnection(word_, ext_ConnectMode::ext_cm_Startup, nullptr, {});
  connect_.OnStartupComplete({});
}

void SesionWord::Abrir(const std::shared_ptr<memory::MemoryDocument>& documento) {
  word_->OpenDocument(documento);
}

bool SesionWord::Pulsar(BotonQuillora cual) {
  const auto boton = word_->GetCommandBars()
                         ->Item("Quillora")
                         ->GetControls()
                         ->Item(static_cast<std::int32_t>(cual));
  if (!boton->GetVisible()) return false;
  word_->CommandBars()->Pulsar(boton);
  return true;
}

bool SesionWord::RevisarEn(const std::shared_ptr<memory::MemoryDocument>& documento,
                           std::int32_t inicio, std::int32_t fin) {
  word_->RightClick(documento, inicio, fin);
  const auto entrada = word_->GetCommandBars()->Item("Text")->FindControl("QKV Text");
  if (!entrada || !entrada->GetVisible()) return false;
  word_->CommandBars()->Pulsar(entrada);
  return true;
}

void SesionWord::Cerrar(const std::shared_ptr<memory::MemoryDocument>& documento) {
  word_->CloseDocument(documento);
}

void SesionWord::Terminar() {
  if (!iniciada_) return;
  iniciada_ = false;
  word_->Quit();
  connect_.OnBeginShutdown({});
  connect_.OnDisconnection(ext_DisconnectMode::ext_dm_HostShutdown, {});
}

}  // namespace quillora
