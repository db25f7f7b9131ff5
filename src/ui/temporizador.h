#pragma once

#include <cstdint>
#include <functional>

#include "ui/control.h"

namespace quillora::ui {

// A timer: while enabled, the front end raises Timer every Interval milliseconds.
class Temporizador : public Control {
 public:
  explicit Temporizador(std::string nombre) : Control(std::move(nombre)) { SetEnabled(false); }

  std::int32_t GetInterval() const { return intervalo_; }
  void SetInterval(std::int32_t milisegundos) { intervalo_ = milisegundos; }

  std::function<void()> Timer;
  void Disparar() {
    if (GetEnabled() && Timer) Timer();
  }

 private:
  std::int32_t intervalo_ = 0;
};

}  // namespace quillora::ui
