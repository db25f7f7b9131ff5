#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace quillora::ui {

// A command button; a menu entry is one too.
class Boton : public Control {
 public:
  Boton(std::string nombre, std::string caption)
      : Control(std::move(nombre)), caption_(std::move(caption)) {}

  const std::string& GetCaption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  bool GetChecked() const { return marcado_; }
  void SetChecked(bool marcado) { marcado_ = marcado; }

  std::function<void()> Click;
  // The user presses it: nothing happens when it is disabled or hidden.
  void Pulsar() {
    if (GetEnabled() && GetVisible() && Click) Click();
  }

 private:
  std::string caption_;
  bool marcado_ = false;
};

}  // namespace quillora::ui
