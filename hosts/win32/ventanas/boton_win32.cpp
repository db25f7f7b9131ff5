#include "controles.h"
#include "texto_win32.h"
#include "ui/boton.h"

namespace quillora::win32 {

BotonWin32::BotonWin32(Anfitrion& anfitrion, ui::Boton& modelo, int id)
    : ControlWin32(anfitrion, modelo, id), boton_(modelo) {}

void BotonWin32::Crear(const RECT& rect, const Colocacion& /*colocacion*/) {
  caption_ = boton_.GetCaption();
  CrearVentana(0, L"BUTTON", Ancho(caption_).c_str(), BS_PUSHBUTTON | WS_TABSTOP, rect);
}

void BotonWin32::ActualizarContenido() {
  if (boton_.GetCaption() == caption_) return;
  caption_ = boton_.GetCaption();
  SetWindowTextW(GetHwnd(), Ancho(caption_).c_str());
}

void BotonWin32::Comando(WORD /*id*/, WORD codigo) {
  if (codigo == BN_CLICKED) anfitrion_.Atender([this] { boton_.Pulsar(); });
}

}  // namespace quillora::win32
