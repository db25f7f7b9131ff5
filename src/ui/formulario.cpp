#include "ui/formulario.h"

#include <stdexcept>

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
  for (auto* control : controles) control->SetParent(this);
  controles_.insert(controles_.end(), controles);
}

void Control::SetFocus() {
  if (padre_ == nullptr)
    throw std::logic_error("El control " + nombre_ + " no está en ninguna ventana");
  padre_->SetActiveControl(this);
}

void Formulario::Form_QueryUnload(bool& /*cancel*/, ModoCierre /*modo*/) {}

}  // namespace quillora::ui
