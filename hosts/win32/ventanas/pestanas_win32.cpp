#include "controles.h"
#include "texto_win32.h"
#include "ui/pestanas.h"

namespace quillora::win32 {

PestanasWin32::PestanasWin32(Anfitrion& anfitrion, ui::Pestanas& modelo, int id)
    : ControlWin32(anfitrion, modelo, id), pestanas_(modelo) {}

void PestanasWin32::Crear(const RECT& rect, const Colocacion& /*colocacion*/) {
  const HWND ventana = CrearVentana(0, WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPSIBLINGS, rect);
  // Behind the controls of its pages.
  SetWindowPos(ventana, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PestanasWin32::ActualizarContenido() {
  const auto ventana = GetHwnd();
  if (pestanas_.Tabs() != textos_) {
    textos_ = pestanas_.Tabs();
    SendMessageW(ventana, TCM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < textos_.size(); ++i) {
      auto texto = Ancho(textos_[i]);
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = texto.data();
      SendMessageW(ventana, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    seleccion_ = -1;
  }
  const auto seleccion = static_cast<int>(pestanas_.GetSelectedItem());
  if (seleccion == seleccion_) return;
  SendMessageW(ventana, TCM_SETCURSEL, static_cast<WPARAM>(seleccion), 0);
  seleccion_ = seleccion;
}

LRESULT PestanasWin32::Notificacion(const NMHDR& aviso) {
  if (aviso.code != TCN_SELCHANGE || anfitrion_.Actualizando()) return 0;
  seleccion_ = static_cast<int>(SendMessageW(GetHwnd(), TCM_GETCURSEL, 0, 0));
  if (seleccion_ < 0) return 0;
  anfitrion_.Atender([this] { pestanas_.SetSelectedItem(static_cast<std::size_t>(seleccion_)); });
  return 0;
}

}  // namespace quillora::win32
