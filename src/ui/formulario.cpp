#include "ui/formulario.h"

namespace quillora::ui {

void Formulario::Load() {
  if (cargado_) return;
  cargado_ = true;
  Form_Load();
}

void Formulario::Activate() {
  Load();
  Form_Activate();
}

bool Formulario::Unload(ModoCierre modo) {
  if (!cargado_) return true;
  bool cancelar = false;
  Form_QueryUnload(cancelar, modo);
  if (cancelar) return false;
  cargado_ = false;
  Form_Unload();
  return true;
}

void Formulario::Registrar(std::initializer_list<Control*> controles) {
  controles_.insert(controles_.end(), controles);
}

void Formulario::Form_QueryUnload(bool& /*cancel*/, ModoCierre /*modo*/) {}

}  // namespace quillora::ui
