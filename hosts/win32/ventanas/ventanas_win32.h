#pragma once

#include "ui/ventanas.h"

namespace quillora::win32 {

class Escritorio;

// The real windows behind the forms and controls: their long values and positions are Windows'
// own.
class VentanasWin32 final : public ui::Ventanas {
 public:
  explicit VentanasWin32(Escritorio& escritorio) : escritorio_(escritorio) {}

  ui::Hwnd HwndDe(ui::Formulario& formulario) override;
  // The control's window, made with its form's; none for a control its layout does not place.
  std::optional<ui::Hwnd> HwndDe(ui::Control& control) override;
  std::int32_t GetWindowLongA(ui::Hwnd hwnd, std::int32_t indice) override;
  std::int32_t SetWindowLongA(ui::Hwnd hwnd, std::int32_t indice, std::int32_t valor) override;
  bool SetWindowPos(ui::Hwnd hwnd, ui::Hwnd insertarDespues, std::int32_t x, std::int32_t y,
                    std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;

 private:
  Escritorio& escritorio_;
};

}  // namespace quillora::win32
