#include "ui/ventanas_memoria.h"

#include "ui/etiqueta.h"
#include "ui/formulario.h"
#include "ui/menu.h"
#include "ui/temporizador.h"

namespace quillora::ui {

Hwnd VentanasMemoria::Crear() {
  const Hwnd hwnd = siguiente_;
  siguiente_ += 4;
  valores_[hwnd];
  return hwnd;
}

Hwnd VentanasMemoria::HwndDe(Formulario& formulario) {
  if (!valores_.contains(formulario.GetHwnd())) formulario.SetHwnd(Crear());
  return formulario.GetHwnd();
}

std::optional<Hwnd> VentanasMemoria::HwndDe(Control& control) {
  // Labels, timers and menus are drawn without a window of their own.
  if (dynamic_cast<const Etiqueta*>(&control) != nullptr ||
      dynamic_cast<const Temporizador*>(&control) != nullptr ||
      dynamic_cast<const Menu*>(&control) != nullptr) {
    return std::nullopt;
  }
  if (!valores_.contains(control.GetHwnd())) control.SetHwnd(Crear());
  return control.GetHwnd();
}

std::int32_t VentanasMemoria::GetWindowLongA(Hwnd hwnd, std::int32_t indice) {
  const auto ventana = valores_.find(hwnd);
  if (ventana == valores_.end()) return 0;
  const auto valor = ventana->second.find(indice);
  return valor == ventana->second.end() ? 0 : valor->second;
}

std::int32_t VentanasMemoria::SetWindowLongA(Hwnd hwnd, std::int32_t indice, std::int32_t valor) {
  const auto ventana = valores_.find(hwnd);
  if (ventana == valores_.end()) return 0;
  const auto anterior = GetWindowLongA(hwnd, indice);
  ventana->second[indice] = valor;
  return anterior;
}

bool VentanasMemoria::SetWindowPos(Hwnd hwnd, Hwnd insertarDespues, std::int32_t /*x*/,
                                   std::int32_t /*y*/, std::int32_t /*cx*/, std::int32_t /*cy*/,
                                   std::uint32_t flags) {
  if (!valores_.contains(hwnd)) return false;
  llamadas_.push_back({hwnd, insertarDespues, flags});
  return true;
}

}  // namespace quillora::ui
