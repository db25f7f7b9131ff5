#include "escritorio.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "common/error_sistema.h"
#include "texto_win32.h"
#include "ui/formulario.h"
#include "ventana_formulario.h"

namespace quillora::win32 {

namespace {

// Windows whose class this module registered; the class goes with the last of them.
int usuariosClase = 0;

void RegistrarClase(HINSTANCE modulo) {
  if (usuariosClase++ > 0) return;
  INITCOMMONCONTROLSEX controles{sizeof(INITCOMMONCONTROLSEX),
                                 ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                     ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_USEREX_CLASSES};
  InitCommonControlsEx(&controles);
  WNDCLASSEXW clase{};
  clase.cbSize = sizeof clase;
  clase.lpfnWndProc = VentanaFormulario::Procedimiento;
  clase.hInstance = modulo;
  clase.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  clase.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  clase.lpszClassName = Escritorio::kClase;
  if (RegisterClassExW(&clase) == 0) {
    --usuariosClase;
    throw std::runtime_error("No se ha podido registrar la clase de las ventanas de Quillora");
  }
}

void QuitarClase(HINSTANCE modulo) {
  if (--usuariosClase == 0) UnregisterClassW(Escritorio::kClase, modulo);
}

// Over the owner's middle, or the screen's when there is none.
void Centrar(HWND ventana, HWND propietaria) {
  RECT fuera{};
  if (propietaria == nullptr || !IsWindowVisible(propietaria) ||
      !GetWindowRect(propietaria, &fuera)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &fuera, 0);
  }
  RECT propia{};
  GetWindowRect(ventana, &propia);
  const int ancho = propia.right - propia.left;
  const int alto = propia.bottom - propia.top;
  const int x = std::max(0L, fuera.left + (fuera.right - fuera.left - ancho) / 2);
  const int y = std::max(0L, fuera.top + (fuera.bottom - fuera.top - alto) / 2);
  SetWindowPos(ventana, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

Escritorio::Escritorio(HINSTANCE modulo) : modulo_(modulo) {
  RegistrarClase(modulo_);
  NONCLIENTMETRICSW metricas{};
  metricas.cbSize = sizeof metricas;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metricas, &metricas, 0);
  fuente_ = CreateFontIndirectW(&metricas.lfMessageFont);
  auto grande = metricas.lfMessageFont;
  grande.lfHeight *= 2;
  grande.lfWeight = FW_BOLD;
  titulo_ = CreateFontIndirectW(&grande);
  HDC pantalla = GetDC(nullptr);
  dpi_ = GetDeviceCaps(pantalla, LOGPIXELSY);
  ReleaseDC(nullptr, pantalla);
}

Escritorio::~Escritorio() {
  ventanas_.clear();
  DeleteObject(fuente_);
  DeleteObject(titulo_);
  QuitarClase(modulo_);
}

VentanaFormulario* Escritorio::Buscar(const ui::Formulario& formulario) const {
  const auto ventana = ventanas_.find(&formulario);
  if (ventana == ventanas_.end()) return nullptr;
  // A form made where a closed one was has no window yet: that one was another form's.
  if (reinterpret_cast<HWND>(formulario.GetHwnd()) != ventana->second->GetHwnd()) return nullptr;
  return ventana->second.get();
}

VentanaFormulario& Escritorio::VentanaPara(ui::Formulario& formulario) {
  if (auto* ventana = Buscar(formulario)) return *ventana;
  auto& ventana = ventanas_[&formulario];
  ventana.reset();
  ventana = std::make_unique<VentanaFormulario>(*this, formulario);
  return *ventana;
}

bool Escritorio::Mostrado(const ui::Formulario& formulario) const {
  return std::find(pila_.begin(), pila_.end(), &formulario) != pila_.end();
}

HWND Escritorio::Propietaria() const {
  if (!pila_.empty()) {
    if (const auto* ventana = Buscar(*pila_.back())) return ventana->GetHwnd();
  }
  if (propietaria_ != nullptr) return propietaria_;
  return GetActiveWindow();
}

void Escritorio::MostrarModal(ui::Formulario& formulario) {
  formulario.Load();
  if (!formulario.GetCargado()) return;
  auto& ventana = VentanaPara(formulario);
  const HWND hwnd = ventana.GetHwnd();
  HWND propietaria = Propietaria();
  // A window that is not shown yet may already be the active one: it cannot own itself.
  if (propietaria == hwnd || !IsWindowVisible(propietaria)) propietaria = nullptr;
  SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(propietaria));
  pila_.push_back(&formulario);
  const bool habilitada = propietaria != nullptr && IsWindowEnabled(propietaria);
  // Whatever happens in the loop, the owner works again and the window goes with its form.
  struct Salida {
    Escritorio& escritorio;
    ui::Formulario& formulario;
    HWND hwnd;
    HWND propietaria;
    bool habilitada;
    ~Salida() {
      if (habilitada) EnableWindow(propietaria, TRUE);
      if (propietaria != nullptr) SetActiveWindow(propietaria);
      ShowWindow(hwnd, SW_HIDE);
      escritorio.pila_.pop_back();
      if (auto* ventana = escritorio.Buscar(formulario)) ventana->Soltar();
      escritorio.ventanas_.erase(&formulario);
    }
  } salida{*this, formulario, hwnd, propietaria, habilitada};

  ActualizarTodas();
  Centrar(hwnd, propietaria);
  if (habilitada) EnableWindow(propietaria, FALSE);
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  // A window shown while another program is in front becomes active only when the user says.
  if (GetActiveWindow() != hwnd) PostMessageW(hwnd, VentanaFormulario::kActivar, 0, 0);
  PostMessageW(hwnd, VentanaFormulario::kMostrado, 0, 0);
  MSG mensaje;
  while (formulario.GetCargado()) {
    const BOOL leido = GetMessageW(&mensaje, nullptr, 0, 0);
    if (leido <= 0) {
      // The program is ending: the quit request stays for the loop that owns it.
      if (leido == 0) PostQuitMessage(static_cast<int>(mensaje.wParam));
      break;
    }
    if (!IsDialogMessageW(hwnd, &mensaje)) {
      TranslateMessage(&mensaje);
      DispatchMessageW(&mensaje);
    }
  }
}

void Escritorio::ProcesarMensajes() {
  Atender([] {});
  const auto* arriba = pila_.empty() ? nullptr : Buscar(*pila_.back());
  const HWND activa = arriba != nullptr ? arriba->GetHwnd() : nullptr;
  MSG mensaje;
  while (PeekMessageW(&mensaje, nullptr, 0, 0, PM_REMOVE)) {
    if (mensaje.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(mensaje.wParam));
      break;
    }
    if (activa == nullptr || !IsDialogMessageW(activa, &mensaje)) {
      TranslateMessage(&mensaje);
      DispatchMessageW(&mensaje);
    }
  }
}

void Escritorio::Atender(const std::function<void()>& manejador) {
  try {
    manejador();
  } catch (const std::exception& error) {
    AvisarError(comun::MensajeEspanol(error));
  } catch (...) {
    AvisarError("Error inesperado");
  }
  try {
    ActualizarTodas();
  } catch (const std::exception& error) {
    AvisarError(comun::MensajeEspanol(error));
  }
}

void Escritorio::ActualizarTodas() {
  ++actualizando_;
  struct Fin {
    int& contador;
    ~Fin() { --contador; }
  } fin{actualizando_};
  for (auto* formulario : pila_) {
    if (auto* ventana = Buscar(*formulario)) ventana->Actualizar();
  }
}

void Escritorio::AlMostrarse(ui::Formulario& formulario, HWND ventana) {
  if (alMostrar) Atender([&] { alMostrar(formulario, ventana); });
}

Diseno Escritorio::DisenoPara(ui::Formulario& formulario) const {
  const auto diseno = disenos_.find(&formulario);
  return diseno != disenos_.end() ? diseno->second : DisenoDe(formulario);
}

void Escritorio::SetDiseno(const ui::Formulario& formulario, Diseno diseno) {
  disenos_[&formulario] = std::move(diseno);
}

void Escritorio::AvisarError(const std::string& texto) const {
  MessageBoxW(Propietaria(), Ancho(texto).c_str(), L"Quillora", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace quillora::win32
