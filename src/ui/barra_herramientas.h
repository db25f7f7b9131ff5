#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace quillora::ui {

// A tool bar: buttons known by their key, each with a text shown as caption or tool tip.
class BarraHerramientas : public Control {
 public:
  struct Boton {
    std::string Key;
    std::string Text;
  };

  BarraHerramientas(std::string nombre, std::vector<Boton> botones)
      : Control(std::move(nombre)), botones_(std::move(botones)) {}

  const std::vector<Boton>& Buttons() const { return botones_; }

  std::function<void(const std::string& clave)> ButtonClick;
  // The user presses the button with that key; an unknown key presses nothing.
  void Pulsar(const std::string& clave) {
    if (!GetEnabled() || !ButtonClick) return;
    for (const auto& boton : botones_) {
      if (boton.Key == clave) return ButtonClick(clave);
    }
  }

 private:
  std::vector<Boton> botones_;
};

}  // namespace quillora::ui
