#include "addin/boton_con_eventos.h"

namespace quillora {

BotonConEventos::BotonConEventos(word::CommandBarControl::ClickHandler alPulsar)
    : alPulsar_(std::move(alPulsar)) {}

BotonConEventos::~BotonConEventos() { Set(nullptr); }

void BotonConEventos::Set(std::shared_ptr<word::CommandBarControl> control) {
  if (control_) control_->RemoveClickHandler(cookie_);
  control_.reset();
  cookie_ = 0;
  if (!control) return;
  cookie_ = control->AddClickHandler(alPulsar_);
  control_ = std::move(control);
}

}  // namespace quillora
