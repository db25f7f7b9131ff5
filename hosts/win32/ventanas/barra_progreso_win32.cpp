#include "controles.h"
#include "ui/barra_progreso.h"

namespace quillora::win32 {

BarraProgresoWin32::BarraProgresoWin32(Anfitrion& anfitrion, ui::BarraProgreso& modelo, int id)
    : ControlWin32(anfitrion, modelo, id), barra_(modelo) {}

void BarraProgresoWin32::Crear(const RECT& rect, const Colocacion& /*colocacion*/) {
  CrearVentana(0, PROGRESS_CLASSW, L"", PBS_SMOOTH, rect);
}

void BarraProgresoWin32::ActualizarContenido() {
  if (barra_.GetMin() != minimo_ || barra_.GetMax() != maximo_) {
    minimo_ = barra_.GetMin();
    maximo_ = barra_.GetMax();
    SendMessageW(GetHwnd(), PBM_SETRANGE32, static_cast<WPARAM>(minimo_),
                 static_cast<LPARAM>(maximo_));
    valor_ = -1;
  }
  if (barra_.GetValue() == valor_) return;
  valor_ = barra_.GetValue();
  SendMessageW(GetHwnd(), PBM_SETPOS, static_cast<WPARAM>(valor_), 0);
}

}  // namespace quillora::win32
