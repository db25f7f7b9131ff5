#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/boton.h"

namespace quillora::ui {

// A menu, or a pop-up menu when shown at the pointer: entries that are buttons.
class Menu : public Control {
 public:
  using Control::Control;

  Boton& Anadir(std::string nombre, std::string caption) {
    entradas_.push_back(std::make_unique<Boton>(std::move(nombre), std::move(caption)));
    return *entradas_.back();
  }
  const std::vector<std::unique_ptr<Boton>>& Entradas() const { return entradas_; }

 private:
  std::vector<std::unique_ptr<Boton>> entradas_;
};

}  // namespace quillora::ui
