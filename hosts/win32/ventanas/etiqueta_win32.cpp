#include "controles.h"
#include "texto_win32.h"
#include "ui/etiqueta.h"

namespace quillora::win32 {

EtiquetaWin32::EtiquetaWin32(Anfitrion& anfitrion, ui::Etiqueta& modelo, int id)
    : ControlWin32(anfitrion, modelo, id), etiqueta_(modelo) {}

void EtiquetaWin32::Crear(const RECT& rect, const Colocacion& colocacion) {
  caption_ = etiqueta_.GetCaption();
  // Its text is the model's, read as it is: an "&" is no mnemonic.
  const HWND ventana =
      CrearVentana(0, L"STATIC", Ancho(caption_).c_str(), SS_LEFT | SS_NOPREFIX, rect);
  if (colocacion.titulo) {
    SendMessageW(ventana, WM_SETFONT, reinterpret_cast<WPARAM>(anfitrion_.Fuente(true)), FALSE);
  }
}

void EtiquetaWin32::ActualizarContenido() {
  if (etiqueta_.GetCaption() == caption_) return;
  caption_ = etiqueta_.GetCaption();
  SetWindowTextW(GetHwnd(), Ancho(caption_).c_str());
}

}  // namespace quillora::win32
