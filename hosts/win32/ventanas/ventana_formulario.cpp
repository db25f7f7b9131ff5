#include "ventana_formulario.h"

#include <stdexcept>

#include "common/error_sistema.h"
#include "escritorio.h"
#include "texto_win32.h"
#include "ui/formulario.h"
#include "ui/menu.h"
#include "ui/pestanas.h"
#include "ui/temporizador.h"

namespace quillora::win32 {

namespace {

// Without clipping its children: a frame paints only its border, and the window's background
// shows inside it.
constexpr DWORD kEstilo = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kEstiloExtendido = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kPrimerId = 100;
constexpr COLORREF kColorCabecera = RGB(92, 36, 110);
constexpr COLORREF kTextoCabecera = RGB(255, 255, 255);

std::vector<ui::Menu*> MenusDe(const ui::Formulario& formulario) {
  std::vector<ui::Menu*> menus;
  for (auto* control : formulario.Controles()) {
    if (auto* menu = dynamic_cast<ui::Menu*>(control)) menus.push_back(menu);
  }
  return menus;
}

}  // namespace

VentanaFormulario::VentanaFormulario(Escritorio& escritorio, ui::Formulario& formulario)
    : escritorio_(escritorio),
      formulario_(formulario),
      diseno_(escritorio.DisenoPara(formulario)),
      menus_(MenusDe(formulario)) {
  if (diseno_.altoCabecera > 0) cabecera_ = CreateSolidBrush(kColorCabecera);
  hwnd_ = CreateWindowExW(kEstiloExtendido, Escritorio::kClase, L"", kEstilo, CW_USEDEFAULT,
                          CW_USEDEFAULT, Escala(diseno_.ancho), Escala(diseno_.alto),
                          escritorio.Propietaria(), nullptr, escritorio.Instancia(), this);
  if (hwnd_ == nullptr) {
    if (cabecera_ != nullptr) DeleteObject(cabecera_);
    throw std::runtime_error("No se ha podido crear la ventana «" + formulario.GetCaption() + "»");
  }
  try {
    int id = kPrimerId;
    for (auto* control : formulario.Controles()) {
      auto ventana = CrearControl(*this, *control, id++);
      if (!ventana) continue;
      const auto colocacion = diseno_.controles.find(control);
      const bool temporizador = dynamic_cast<ui::Temporizador*>(control) != nullptr;
      if (colocacion == diseno_.controles.end() && !temporizador) continue;
      const auto lugar = colocacion == diseno_.controles.end() ? Colocacion{} : colocacion->second;
      ventana->Crear(Escalar(lugar.rect), lugar);
      paginas_.push_back(lugar.pagina);
      controles_.push_back(std::move(ventana));
    }
  } catch (...) {
    DestroyWindow(hwnd_);
    if (cabecera_ != nullptr) DeleteObject(cabecera_);
    throw;
  }
  formulario.SetHwnd(reinterpret_cast<std::intptr_t>(hwnd_));
  creada_ = true;
}

VentanaFormulario::~VentanaFormulario() {
  // What the windows say while they go reaches no model.
  creada_ = false;
  // The windows first: they still use the pictures their controls own.
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  controles_.clear();
  if (cabecera_ != nullptr) DeleteObject(cabecera_);
}

std::optional<HWND> VentanaFormulario::HwndDe(const ui::Control& control) const {
  for (const auto& ventana : controles_) {
    if (&ventana->Modelo() == &control && ventana->GetHwnd() != nullptr) {
      return ventana->GetHwnd();
    }
  }
  return std::nullopt;
}

void VentanaFormulario::Soltar() {
  for (const auto& ventana : controles_) {
    if (ventana->GetHwnd() != nullptr) ventana->Modelo().SetHwnd(0);
  }
  formulario_.SetHwnd(0);
}

RECT VentanaFormulario::Escalar(const Rectangulo& rect) const {
  return {Escala(rect.x), Escala(rect.y), Escala(rect.x + rect.ancho), Escala(rect.y + rect.alto)};
}

int VentanaFormulario::Escala(int pixeles) const { return MulDiv(pixeles, escritorio_.Dpi(), 96); }

HFONT VentanaFormulario::Fuente(bool titulo) const { return escritorio_.Fuente(titulo); }

HINSTANCE VentanaFormulario::Instancia() const { return escritorio_.Instancia(); }

bool VentanaFormulario::Actualizando() const { return escritorio_.Actualizando(); }

void VentanaFormulario::Atender(const std::function<void()>& manejador) {
  escritorio_.Atender(manejador);
}

void VentanaFormulario::AjustarTamano() {
  RECT rect{0, 0, Escala(diseno_.ancho), Escala(diseno_.alto)};
  AdjustWindowRectEx(&rect, kEstilo, tieneMenu_ ? TRUE : FALSE, kEstiloExtendido);
  int alto = rect.bottom - rect.top;
  // A form's height counts its frame and caption, in twips.
  if (alto_ > 0) alto = MulDiv(alto_, escritorio_.Dpi(), 1440);
  SetWindowPos(hwnd_, nullptr, 0, 0, rect.right - rect.left, alto,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void VentanaFormulario::Actualizar() {
  if (formulario_.GetCaption() != caption_) {
    caption_ = formulario_.GetCaption();
    SetWindowTextW(hwnd_, Ancho(caption_).c_str());
  }
  menus_.Actualizar(hwnd_);
  const bool tieneMenu = GetMenu(hwnd_) != nullptr;
  if (formulario_.GetHeight() != alto_ || tieneMenu != tieneMenu_) {
    alto_ = formulario_.GetHeight();
    tieneMenu_ = tieneMenu;
    AjustarTamano();
  }
  const auto pagina = diseno_.pestanas != nullptr
                          ? std::optional(diseno_.pestanas->GetSelectedItem())
                          : std::nullopt;
  for (std::size_t i = 0; i < controles_.size(); ++i) {
    controles_[i]->Actualizar(!paginas_[i] || paginas_[i] == pagina);
  }
  if (formulario_.GetActiveControl() != activo_) {
    activo_ = formulario_.GetActiveControl();
    if (activo_ != nullptr) {
      if (const auto ventana = HwndDe(*activo_)) {
        foco_ = *ventana;
        SetFocus(*ventana);
      }
    }
  }
  if (formulario_.GetMousePointer() == ui::Puntero::RelojDeArena) {
    SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
  }
}

ControlWin32* VentanaFormulario::PorVentana(HWND ventana) const {
  for (const auto& control : controles_) {
    if (control->GetHwnd() == ventana) return control.get();
  }
  return nullptr;
}

ControlWin32* VentanaFormulario::PorId(UINT_PTR id) const {
  for (const auto& control : controles_) {
    if (static_cast<UINT_PTR>(control->GetId()) == id) return control.get();
  }
  return nullptr;
}

bool VentanaFormulario::EnCabecera(HWND control) const {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rect), 2);
  return rect.top < Escala(diseno_.altoCabecera);
}

LRESULT VentanaFormulario::Mensaje(UINT mensaje, WPARAM w, LPARAM l) {
  switch (mensaje) {
    case WM_COMMAND:
      if (l != 0) {
        if (auto* control = PorVentana(reinterpret_cast<HWND>(l))) {
          control->Comando(LOWORD(w), HIWORD(w));
        }
      } else if (HIWORD(w) == 0) {
        if (auto* entrada = menus_.Entrada(LOWORD(w))) Atender([entrada] { entrada->Pulsar(); });
      }
      return 0;
    case WM_NOTIFY: {
      const auto& aviso = *reinterpret_cast<const NMHDR*>(l);
      if (auto* control = PorVentana(aviso.hwndFrom)) return control->Notificacion(aviso);
      return 0;
    }
    case WM_TIMER:
      if (auto* control = PorId(w)) control->Temporizador();
      return 0;
    case WM_CLOSE:
      // The form decides; the modal loop ends once it has closed.
      Atender([this] { formulario_.Unload(ui::ModoCierre::Usuario); });
      return 0;
    case WM_ACTIVATE:
      // The window keeps the control that had the focus, as a dialog does.
      if (LOWORD(w) == WA_INACTIVE) {
        const HWND foco = GetFocus();
        if (foco != nullptr && IsChild(hwnd_, foco)) foco_ = foco;
        return 0;
      }
      PostMessageW(hwnd_, kActivar, 0, 0);
      if (foco_ == nullptr || !IsWindow(foco_)) foco_ = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
      if (foco_ != nullptr) {
        SetFocus(foco_);
        return 0;
      }
      break;
    case kActivar:
      if (escritorio_.Mostrado(formulario_) && formulario_.GetCargado()) {
        Atender([this] { formulario_.Activate(); });
      }
      return 0;
    case kMostrado:
      if (escritorio_.Mostrado(formulario_)) escritorio_.AlMostrarse(formulario_, hwnd_);
      return 0;
    case WM_SETCURSOR:
      if (escritorio_.GetEspera() || formulario_.GetMousePointer() == ui::Puntero::RelojDeArena) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
        return TRUE;
      }
      if (formulario_.GetMousePointer() == ui::Puntero::Flecha) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
        return TRUE;
      }
      break;
    case WM_CTLCOLORSTATIC:
      if (cabecera_ != nullptr && EnCabecera(reinterpret_cast<HWND>(l))) {
        const auto dc = reinterpret_cast<HDC>(w);
        SetTextColor(dc, kTextoCabecera);
        SetBkColor(dc, kColorCabecera);
        return reinterpret_cast<LRESULT>(cabecera_);
      }
      break;
    case WM_PAINT:
      if (cabecera_ != nullptr) {
        PAINTSTRUCT pintura;
        const HDC dc = BeginPaint(hwnd_, &pintura);
        RECT banda{};
        GetClientRect(hwnd_, &banda);
        banda.bottom = Escala(diseno_.altoCabecera);
        FillRect(dc, &banda, cabecera_);
        EndPaint(hwnd_, &pintura);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, mensaje, w, l);
}

LRESULT CALLBACK VentanaFormulario::Procedimiento(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l) {
  if (mensaje == WM_NCCREATE) {
    const auto* creacion = reinterpret_cast<const CREATESTRUCTW*>(l);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creacion->lpCreateParams));
  }
  auto* ventana = reinterpret_cast<VentanaFormulario*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  // Messages of its making and of its end reach no form.
  if (ventana == nullptr || !ventana->creada_ || mensaje == WM_DESTROY || mensaje == WM_NCDESTROY) {
    if (mensaje == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return DefWindowProcW(hwnd, mensaje, w, l);
  }
  // No exception leaves a window procedure: Windows could not carry it.
  try {
    return ventana->Mensaje(mensaje, w, l);
  } catch (const std::exception& error) {
    ventana->escritorio_.AvisarError(comun::MensajeEspanol(error));
  } catch (...) {
    ventana->escritorio_.AvisarError("Error inesperado");
  }
  return 0;
}

}  // namespace quillora::win32
