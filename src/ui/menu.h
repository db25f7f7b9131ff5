#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "ui/boton.h"

namespace quillora::ui {

// A menu of the menu bar, or a pop-up menu when shown at the pointer. Its entries are buttons the
// window holds; a separator is an entry whose caption is "-".
class Menu : public Control {
 public:
  Menu(std::string nombre, std::string caption, std::initializer_list<Boton*> entradas)
      : Control(std::move(nombre)), caption_(std::move(caption)), entradas_(entradas) {}

  const std::string& GetCaption() const { return caption_; }
  const std::vector<Boton*>& Entradas() const { return entradas_; }

  static constexpr const char* kSeparador = "-";

 private:
  std::string caption_;
  std::vector<Boton*> entradas_;
};

// Mouse buttons, with the desktop's numbers.
inline constexpr int kBotonIzquierdo = 1;
inline constexpr int kBotonDerecho = 2;

}  // namespace quillora::ui
