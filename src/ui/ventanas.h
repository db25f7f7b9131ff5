#pragma once

#include <cstdint>
#include <optional>

namespace quillora::ui {

class Control;
class Formulario;

using Hwnd = std::intptr_t;

// Indexes and bits of a window's long values, with the desktop's numbers.
inline constexpr std::int32_t kGwlExStyle = -20;
inline constexpr std::int32_t kWsExStaticEdge = 0x20000;

// Flags of SetWindowPos and the band a window is put in.
inline constexpr std::uint32_t kSwpNoSize = 0x1;
inline constexpr std::uint32_t kSwpNoMove = 0x2;
inline constexpr std::uint32_t kSwpNoZOrder = 0x4;
inline constexpr std::uint32_t kSwpFrameChanged = 0x20;
inline constexpr std::uint32_t kSwpNoOwnerZOrder = 0x200;
inline constexpr Hwnd kHwndNoTopMost = -2;

// The desktop's windows behind the forms and controls: what a dialog changes in them directly.
class Ventanas {
 public:
  virtual ~Ventanas() = default;
  // The form's window, created when the form has none yet.
  virtual Hwnd HwndDe(Formulario& formulario) = 0;
  // The control's own window; none for a control the desktop draws without one.
  virtual std::optional<Hwnd> HwndDe(Control& control) = 0;
  // 0 for an unknown window.
  virtual std::int32_t GetWindowLongA(Hwnd hwnd, std::int32_t indice) = 0;
  // Answers the previous value; 0 for an unknown window, which is left alone.
  virtual std::int32_t SetWindowLongA(Hwnd hwnd, std::int32_t indice, std::int32_t valor) = 0;
  virtual bool SetWindowPos(Hwnd hwnd, Hwnd insertarDespues, std::int32_t x, std::int32_t y,
                            std::int32_t cx, std::int32_t cy, std::uint32_t flags) = 0;
};

}  // namespace quillora::ui
