#pragma once

#include <cstdint>

#include "ui/control.h"

namespace quillora::ui {

class BarraProgreso : public Control {
 public:
  using Control::Control;

  std::int32_t GetMin() const { return min_; }
  void SetMin(std::int32_t min) { min_ = min; }
  std::int32_t GetMax() const { return max_; }
  void SetMax(std::int32_t max) { max_ = max; }
  std::int32_t GetValue() const { return valor_; }
  void SetValue(std::int32_t valor) { valor_ = valor; }

 private:
  std::int32_t min_ = 0;
  std::int32_t max_ = 100;
  std::int32_t valor_ = 0;
};

}  // namespace quillora::ui
