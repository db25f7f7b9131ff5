#pragma once

#include <map>
#include <vector>

#include "ui/ventanas.h"

namespace quillora::ui {

// Windows that exist only in memory, for desktops that draw no native window (a terminal) and
// for tests: every form and every control but a label, a timer or a menu gets a window, whose long
// values and position calls are recorded.
class VentanasMemoria final : public Ventanas {
 public:
  struct LlamadaPosicion {
    Hwnd hwnd;
    Hwnd insertarDespues;
    std::uint32_t flags;
  };

  Hwnd HwndDe(Formulario& formulario) override;
  std::optional<Hwnd> HwndDe(Control& control) override;
  std::int32_t GetWindowLongA(Hwnd hwnd, std::int32_t indice) override;
  std::int32_t SetWindowLongA(Hwnd hwnd, std::int32_t indice, std::int32_t valor) override;
  bool SetWindowPos(Hwnd hwnd, Hwnd insertarDespues, std::int32_t x, std::int32_t y,
                    std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;

  const std::vector<LlamadaPosicion>& LlamadasPosicion() const { return llamadas_; }

 private:
  Hwnd Crear();

  Hwnd siguiente_ = 0x100;
  std::map<Hwnd, std::map<std::int32_t, std::int32_t>> valores_;
  std::vector<LlamadaPosicion> llamadas_;
};

}  // namespace quillora::ui
