#include "controles.h"
#include "texto_win32.h"
#include "ui/marco.h"

namespace quillora::win32 {

MarcoWin32::MarcoWin32(Anfitrion& anfitrion, ui::Marco& modelo, int id)
    : ControlWin32(anfitrion, modelo, id), marco_(modelo) {}

void MarcoWin32::Crear(const RECT& rect, const Colocacion& /*colocacion*/) {
  const HWND ventana =
      CrearVentana(0, L"BUTTON", Ancho(marco_.GetCaption()).c_str(), BS_GROUPBOX, rect);
  // Behind the controls it surrounds, so that it never paints over them.
  SetWindowPos(ventana, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace quillora::win32
