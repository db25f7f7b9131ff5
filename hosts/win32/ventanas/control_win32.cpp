#include "control_win32.h"

#include <stdexcept>

#include "controles.h"
#include "ui/barra_herramientas.h"
#include "ui/barra_progreso.h"
#include "ui/boton.h"
#include "ui/combo_imagen.h"
#include "ui/control.h"
#include "ui/cuadro_texto.h"
#include "ui/etiqueta.h"
#include "ui/marco.h"
#include "ui/pestanas.h"
#include "ui/temporizador.h"
#include "ui/vista_lista.h"

namespace quillora::win32 {

void ControlWin32::Actualizar(bool enPagina) {
  if (hwnd_ != nullptr) {
    const int visible = modelo_.GetVisible() && enPagina ? 1 : 0;
    if (visible != visible_) {
      ShowWindow(hwnd_, visible != 0 ? SW_SHOWNA : SW_HIDE);
      visible_ = visible;
    }
    const int habilitado = modelo_.GetEnabled() ? 1 : 0;
    if (habilitado != habilitado_) {
      EnableWindow(hwnd_, habilitado);
      habilitado_ = habilitado;
    }
  }
  ActualizarContenido();
}

HWND ControlWin32::CrearVentana(DWORD estiloExtendido, const wchar_t* clase, const wchar_t* texto,
                                DWORD estilo, const RECT& rect) {
  hwnd_ = CreateWindowExW(estiloExtendido, clase, texto, estilo | WS_CHILD, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, anfitrion_.Ventana(),
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                          anfitrion_.Instancia(), nullptr);
  if (hwnd_ == nullptr)
    throw std::runtime_error("No se ha podido crear la ventana del control " + modelo_.GetName());
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(anfitrion_.Fuente(false)), FALSE);
  modelo_.SetHwnd(reinterpret_cast<std::intptr_t>(hwnd_));
  return hwnd_;
}

std::unique_ptr<ControlWin32> CrearControl(Anfitrion& anfitrion, ui::Control& modelo, int id) {
  if (auto* rico = dynamic_cast<ui::TextoEnriquecido*>(&modelo)) {
    return std::make_unique<TextoEnriquecidoWin32>(anfitrion, *rico, id);
  }
  if (auto* caja = dynamic_cast<ui::CuadroTexto*>(&modelo)) {
    return std::make_unique<CuadroTextoWin32>(anfitrion, *caja, id);
  }
  if (auto* boton = dynamic_cast<ui::Boton*>(&modelo)) {
    return std::make_unique<BotonWin32>(anfitrion, *boton, id);
  }
  if (auto* etiqueta = dynamic_cast<ui::Etiqueta*>(&modelo)) {
    return std::make_unique<EtiquetaWin32>(anfitrion, *etiqueta, id);
  }
  if (auto* marco = dynamic_cast<ui::Marco*>(&modelo)) {
    return std::make_unique<MarcoWin32>(anfitrion, *marco, id);
  }
  if (auto* lista = dynamic_cast<ui::VistaLista*>(&modelo)) {
    return std::make_unique<VistaListaWin32>(anfitrion, *lista, id);
  }
  if (auto* combo = dynamic_cast<ui::ComboImagen*>(&modelo)) {
    return std::make_unique<ComboImagenWin32>(anfitrion, *combo, id);
  }
  if (auto* barra = dynamic_cast<ui::BarraProgreso*>(&modelo)) {
    return std::make_unique<BarraProgresoWin32>(anfitrion, *barra, id);
  }
  if (auto* herramientas = dynamic_cast<ui::BarraHerramientas*>(&modelo)) {
    return std::make_unique<BarraHerramientasWin32>(anfitrion, *herramientas, id);
  }
  if (auto* pestanas = dynamic_cast<ui::Pestanas*>(&modelo)) {
    return std::make_unique<PestanasWin32>(anfitrion, *pestanas, id);
  }
  if (auto* temporizador = dynamic_cast<ui::Temporizador*>(&modelo)) {
    return std::make_unique<TemporizadorWin32>(anfitrion, *temporizador, id);
  }
  return nullptr;
}

}  // namespace quillora::win32
