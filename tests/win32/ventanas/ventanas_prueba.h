#pragma once

#include <windows.h>

#include <string>

#include "texto_win32.h"
#include "ui/control.h"

// Reading and driving the real windows of a dialog as a user's hand would.
namespace quillora::win32::prueba {

inline HWND Ventana(const ui::Control& control) {
  return reinterpret_cast<HWND>(control.GetHwnd());
}

inline std::string Texto(HWND ventana) { return Estrecho(TextoVentana(ventana)); }

// A click of the mouse button at that point of the window's client area.
inline void Clic(HWND ventana, POINT punto) {
  const auto lugar = MAKELPARAM(punto.x, punto.y);
  SendMessageW(ventana, WM_LBUTTONDOWN, MK_LBUTTON, lugar);
  SendMessageW(ventana, WM_LBUTTONUP, 0, lugar);
}

inline POINT Centro(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Typing over all an edit control holds: its text changes and it says so.
inline void Escribir(HWND caja, const std::string& texto) {
  SendMessageW(caja, EM_SETSEL, 0, -1);
  SendMessageW(caja, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Ancho(texto).c_str()));
}

inline void Pulsar(HWND boton) { SendMessageW(boton, BM_CLICK, 0, 0); }

}  // namespace quillora::win32::prueba
