#include "ventanas_win32.h"

#include <windows.h>

#include "escritorio.h"
#include "ui/control.h"
#include "ui/formulario.h"
#include "ventana_formulario.h"

namespace quillora::win32 {

namespace {

HWND Ventana(ui::Hwnd hwnd) { return reinterpret_cast<HWND>(hwnd); }

}  // namespace

ui::Hwnd VentanasWin32::HwndDe(ui::Formulario& formulario) {
  return reinterpret_cast<ui::Hwnd>(escritorio_.VentanaPara(formulario).GetHwnd());
}

std::optional<ui::Hwnd> VentanasWin32::HwndDe(ui::Control& control) {
  if (control.GetParent() == nullptr) return std::nullopt;
  const auto ventana = escritorio_.VentanaPara(*control.GetParent()).HwndDe(control);
  if (!ventana) return std::nullopt;
  return reinterpret_cast<ui::Hwnd>(*ventana);
}

std::int32_t VentanasWin32::GetWindowLongA(ui::Hwnd hwnd, std::int32_t indice) {
  if (!IsWindow(Ventana(hwnd))) return 0;
  return ::GetWindowLongA(Ventana(hwnd), indice);
}

std::int32_t VentanasWin32::SetWindowLongA(ui::Hwnd hwnd, std::int32_t indice, std::int32_t valor) {
  if (!IsWindow(Ventana(hwnd))) return 0;
  return ::SetWindowLongA(Ventana(hwnd), indice, valor);
}

bool VentanasWin32::SetWindowPos(ui::Hwnd hwnd, ui::Hwnd insertarDespues, std::int32_t x,
                                 std::int32_t y, std::int32_t cx, std::int32_t cy,
                                 std::uint32_t flags) {
  if (!IsWindow(Ventana(hwnd))) return false;
  return ::SetWindowPos(Ventana(hwnd), Ventana(insertarDespues), x, y, cx, cy, flags) != FALSE;
}

}  // namespace quillora::win32
