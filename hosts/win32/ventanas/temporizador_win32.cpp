#include "controles.h"
#include "ui/temporizador.h"

namespace quillora::win32 {

TemporizadorWin32::TemporizadorWin32(Anfitrion& anfitrion, ui::Temporizador& modelo, int id)
    : ControlWin32(anfitrion, modelo, id), temporizador_(modelo) {}

// A timer has no window of its own: it ticks in its form's.
void TemporizadorWin32::Crear(const RECT& /*rect*/, const Colocacion& /*colocacion*/) {}

void TemporizadorWin32::ActualizarContenido() {
  const int intervalo = temporizador_.GetEnabled() ? std::max(temporizador_.GetInterval(), 0) : 0;
  if (intervalo == intervalo_) return;
  const auto id = static_cast<UINT_PTR>(GetId());
  if (intervalo > 0) {
    SetTimer(anfitrion_.Ventana(), id, static_cast<UINT>(intervalo), nullptr);
  } else {
    KillTimer(anfitrion_.Ventana(), id);
  }
  intervalo_ = intervalo;
}

void TemporizadorWin32::Temporizador() {
  anfitrion_.Atender([this] { temporizador_.Disparar(); });
}

}  // namespace quillora::win32
