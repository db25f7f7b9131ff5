#pragma once

#include <string>

#include "ui/control.h"

namespace quillora::ui {

// A label: a caption the user reads and cannot change.
class Etiqueta : public Control {
 public:
  Etiqueta(std::string nombre, std::string caption)
      : Control(std::move(nombre)), caption_(std::move(caption)) {}

  const std::string& GetCaption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }

 private:
  std::string caption_;
};

}  // namespace quillora::ui
