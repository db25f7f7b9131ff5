#pragma once

#include <string>

#include "ui/control.h"

namespace quillora::ui {

// A frame: a captioned border around other controls.
class Marco : public Control {
 public:
  Marco(std::string nombre, std::string caption)
      : Control(std::move(nombre)), caption_(std::move(caption)) {}

  const std::string& GetCaption() const { return caption_; }

 private:
  std::string caption_;
};

}  // namespace quillora::ui
