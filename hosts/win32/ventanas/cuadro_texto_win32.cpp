#include "controles.h"
#include "texto_win32.h"
#include "ui/cuadro_texto.h"

namespace quillora::win32 {

CuadroTextoWin32::CuadroTextoWin32(Anfitrion& anfitrion, ui::CuadroTexto& modelo, int id)
    : ControlWin32(anfitrion, modelo, id), caja_(modelo) {}

void CuadroTextoWin32::Crear(const RECT& rect, const Colocacion& /*colocacion*/) {
  DWORD estilo = WS_TABSTOP | ES_AUTOHSCROLL;
  if (caja_.GetMultiLine()) {
    estilo = WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
  }
  CrearVentana(WS_EX_CLIENTEDGE, L"EDIT", L"", estilo, rect);
}

void CuadroTextoWin32::ActualizarContenido() {
  const int bloqueado = caja_.GetLocked() ? 1 : 0;
  if (bloqueado != bloqueado_) {
    SendMessageW(GetHwnd(), EM_SETREADONLY, static_cast<WPARAM>(bloqueado), 0);
    bloqueado_ = bloqueado;
  }
  if (caja_.GetMaxLength() != maximo_) {
    maximo_ = caja_.GetMaxLength();
    SendMessageW(GetHwnd(), EM_SETLIMITTEXT, static_cast<WPARAM>(maximo_), 0);
  }
  auto texto = Ancho(caja_.GetText());
  if (texto == texto_) return;
  texto_ = std::move(texto);
  SetWindowTextW(GetHwnd(), texto_.c_str());
}

void CuadroTextoWin32::Comando(WORD /*id*/, WORD codigo) {
  if (codigo != EN_CHANGE || anfitrion_.Actualizando()) return;
  auto texto = TextoVentana(GetHwnd());
  if (texto == texto_) return;
  texto_ = std::move(texto);
  // Typed: the model cuts it to its length and lines, and the window then shows what it kept.
  anfitrion_.Atender([this] { caja_.Escribir(Estrecho(texto_)); });
}

}  // namespace quillora::win32
