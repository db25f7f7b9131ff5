#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace quillora::ui {

// A tab control: captions, one selected.
class Pestanas : public Control {
 public:
  using Control::Control;

  std::vector<std::string>& Tabs() { return pestanas_; }
  std::size_t GetSelectedItem() const { return seleccion_; }
  void SetSelectedItem(std::size_t posicion) {
    seleccion_ = posicion;
    if (Click) Click();
  }

  std::function<void()> Click;

 private:
  std::vector<std::string> pestanas_;
  std::size_t seleccion_ = 0;
};

}  // namespace quillora::ui
