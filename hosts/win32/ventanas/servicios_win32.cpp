#include "servicios_win32.h"

#include <cstring>
#include <stdexcept>

#include "escritorio.h"
#include "menus_win32.h"
#include "texto_win32.h"
#include "ui/formulario.h"
#include "ui/menu.h"
#include "ventana_formulario.h"
#include "ventanas_win32.h"

namespace quillora::win32 {

namespace {

// The clipboard, open while the object lives. Another program may hold it for a moment.
class Portapapeles {
 public:
  explicit Portapapeles(HWND propietaria) {
    for (int intento = 0; intento < 20; ++intento) {
      if (OpenClipboard(propietaria)) return;
      Sleep(10);
    }
    throw std::runtime_error("No se ha podido abrir el portapapeles");
  }
  ~Portapapeles() { CloseClipboard(); }
  Portapapeles(const Portapapeles&) = delete;
  Portapapeles& operator=(const Portapapeles&) = delete;
};

}  // namespace

ServiciosWin32::ServiciosWin32(HINSTANCE modulo)
    : escritorio_(std::make_unique<Escritorio>(modulo)),
      ventanas_(std::make_unique<VentanasWin32>(*escritorio_)) {}

ServiciosWin32::~ServiciosWin32() = default;

ui::Respuesta ServiciosWin32::MsgBox(const std::string& texto, ui::Icono icono, ui::Botones botones,
                                     const std::string& titulo) {
  // The windows show what the models hold when the question is asked.
  escritorio_->ActualizarTodas();
  // The models' icon and button numbers are Windows' own, and so are its answers.
  const auto respuesta =
      MessageBoxW(escritorio_->Propietaria(), Ancho(texto).c_str(), Ancho(titulo).c_str(),
                  static_cast<UINT>(icono) | static_cast<UINT>(botones));
  if (respuesta == 0) throw std::runtime_error("No se ha podido mostrar el mensaje: " + texto);
  return static_cast<ui::Respuesta>(respuesta);
}

void ServiciosWin32::MostrarModal(ui::Formulario& formulario) {
  escritorio_->MostrarModal(formulario);
}

void ServiciosWin32::ProcesarMensajes() { escritorio_->ProcesarMensajes(); }

void ServiciosWin32::SetPortapapeles(const std::string& texto) {
  const auto ancho = Ancho(texto);
  const auto bytes = (ancho.size() + 1) * sizeof(wchar_t);
  HGLOBAL memoria = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memoria == nullptr) throw std::bad_alloc();
  std::memcpy(GlobalLock(memoria), ancho.c_str(), bytes);
  GlobalUnlock(memoria);
  const Portapapeles portapapeles(escritorio_->Propietaria());
  EmptyClipboard();
  if (SetClipboardData(CF_UNICODETEXT, memoria) == nullptr) {
    GlobalFree(memoria);
    throw std::runtime_error("No se ha podido dejar el texto en el portapapeles");
  }
}

std::string ServiciosWin32::GetPortapapeles() {
  const Portapapeles portapapeles(escritorio_->Propietaria());
  HANDLE memoria = GetClipboardData(CF_UNICODETEXT);
  if (memoria == nullptr) return {};
  const auto* texto = static_cast<const wchar_t*>(GlobalLock(memoria));
  if (texto == nullptr) return {};
  std::string resultado = Estrecho(texto);
  GlobalUnlock(memoria);
  return resultado;
}

void ServiciosWin32::SetCursorEspera(bool espera) {
  escritorio_->SetEspera(espera);
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(espera ? IDC_WAIT : IDC_ARROW)));
}

ui::Ventanas& ServiciosWin32::GetVentanas() { return *ventanas_; }

void ServiciosWin32::MostrarMenu(ui::Menu& menu, ui::Boton* predeterminado) {
  const auto* ventana =
      menu.GetParent() != nullptr ? escritorio_->Buscar(*menu.GetParent()) : nullptr;
  const HWND propietaria = ventana != nullptr ? ventana->GetHwnd() : escritorio_->Propietaria();
  if (auto* entrada = MostrarMenuEmergente(propietaria, menu, predeterminado)) entrada->Pulsar();
}

std::string ServiciosWin32::GetSeparadorMiles() {
  wchar_t separador[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, separador, 8) == 0) return {};
  return Estrecho(separador);
}

void ServiciosWin32::SetVentanaPropietaria(HWND ventana) { escritorio_->SetPropietaria(ventana); }

HWND ServiciosWin32::VentanaDe(const ui::Formulario& formulario) const {
  const auto* ventana = escritorio_->Buscar(formulario);
  return ventana != nullptr ? ventana->GetHwnd() : nullptr;
}

void ServiciosWin32::SetAlMostrar(std::function<void(ui::Formulario&, HWND)> alMostrar) {
  escritorio_->alMostrar = std::move(alMostrar);
}

void ServiciosWin32::SetDiseno(const ui::Formulario& formulario, Diseno diseno) {
  escritorio_->SetDiseno(formulario, std::move(diseno));
}

}  // namespace quillora::win32
