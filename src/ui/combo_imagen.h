#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace quillora::ui {

// An image combo: a list of items, at most one selected.
class ComboImagen : public Control {
 public:
  struct Elemento {
    std::string Text;
    std::string Tag;
  };

  using Control::Control;

  std::vector<Elemento>& ComboItems() { return elementos_; }
  const std::vector<Elemento>& ComboItems() const { return elementos_; }
  // The selected position from 0, or none.
  std::optional<std::size_t> GetSelectedItem() const { return seleccion_; }
  void SetSelectedItem(std::optional<std::size_t> posicion) { seleccion_ = posicion; }
  // The selected item, or none.
  const Elemento* Seleccionado() const {
    return seleccion_ && *seleccion_ < elementos_.size() ? &elementos_[*seleccion_] : nullptr;
  }
  // The text the combo shows: its selected item's.
  std::string GetText() const { return Seleccionado() ? Seleccionado()->Text : std::string(); }

 private:
  std::vector<Elemento> elementos_;
  std::optional<std::size_t> seleccion_;
};

}  // namespace quillora::ui
