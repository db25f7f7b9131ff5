#include "mano.h"

#include <cstdio>

#include "texto_win32.h"

namespace quillora::win32::prueba {

namespace {

// The message box's text control, as Windows numbers it.
constexpr int kTextoCaja = 0xFFFF;
constexpr DWORD kPaso = 10;

std::wstring Clase(HWND ventana) {
  wchar_t clase[64] = {};
  GetClassNameW(ventana, clase, 64);
  return clase;
}

struct Busqueda {
  const wchar_t* clase;
  HWND encontrada = nullptr;
};

BOOL CALLBACK Mirar(HWND ventana, LPARAM datos) {
  auto& busqueda = *reinterpret_cast<Busqueda*>(datos);
  if (IsWindowVisible(ventana) && Clase(ventana) == busqueda.clase) {
    busqueda.encontrada = ventana;
    return FALSE;
  }
  return TRUE;
}

// A visible top-level window of that class made by the thread, or none.
HWND VentanaDeClase(DWORD hilo, const wchar_t* clase) {
  Busqueda busqueda{clase};
  EnumThreadWindows(hilo, Mirar, reinterpret_cast<LPARAM>(&busqueda));
  return busqueda.encontrada;
}

void EsperarCierre(HWND ventana) {
  for (int i = 0; i < 500 && IsWindow(ventana) && IsWindowVisible(ventana); ++i) Sleep(kPaso);
}

void Tecla(HWND ventana, WPARAM tecla) {
  PostMessageW(ventana, WM_KEYDOWN, tecla, 0);
  PostMessageW(ventana, WM_KEYUP, tecla, 0);
}

}  // namespace

Mano::Mano() : hilo_(GetCurrentThreadId()), trabajador_([this] { Trabajar(); }) {}

Mano::~Mano() {
  parar_ = true;
  trabajador_.join();
}

void Mano::Responder(std::vector<int> botones) {
  const std::lock_guard bloqueo(cerrojo_);
  respuestas_ = std::move(botones);
}

void Mano::Elegir(int posicion) {
  const std::lock_guard bloqueo(cerrojo_);
  eleccion_ = posicion;
}

std::vector<MensajeVisto> Mano::Mensajes() const {
  const std::lock_guard bloqueo(cerrojo_);
  return mensajes_;
}

std::vector<MenuVisto> Mano::Menus() const {
  const std::lock_guard bloqueo(cerrojo_);
  return menus_;
}

void Mano::Trabajar() {
  while (!parar_) {
    if (const HWND caja = VentanaDeClase(hilo_, L"#32770")) {
      Contestar(caja);
    } else if (const HWND menu = VentanaDeClase(hilo_, L"#32768")) {
      Escoger(menu);
    }
    Sleep(kPaso);
  }
}

void Mano::Contestar(HWND caja) {
  MensajeVisto visto;
  visto.titulo = Estrecho(TextoVentana(caja));
  visto.texto = Estrecho(TextoVentana(GetDlgItem(caja, kTextoCaja)));
  for (const int boton : {IDOK, IDCANCEL, IDYES, IDNO}) {
    if (GetDlgItem(caja, boton) != nullptr) visto.botones.push_back(boton);
  }
  for (HWND hijo = GetWindow(caja, GW_CHILD); hijo != nullptr;
       hijo = GetWindow(hijo, GW_HWNDNEXT)) {
    if ((GetWindowLongW(hijo, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
    const auto icono = reinterpret_cast<HICON>(SendMessageW(hijo, STM_GETICON, 0, 0));
    for (const auto id : {IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK, IDI_HAND}) {
      const auto numero = reinterpret_cast<std::uintptr_t>(id);
      if (icono != nullptr && icono == LoadIconW(nullptr, MAKEINTRESOURCEW(numero))) {
        visto.icono = numero;
      }
    }
  }
  int boton = visto.botones.empty() ? IDOK : visto.botones.front();
  {
    const std::lock_guard bloqueo(cerrojo_);
    if (!respuestas_.empty()) {
      boton = respuestas_.front();
      respuestas_.erase(respuestas_.begin());
    }
    mensajes_.push_back(visto);
  }
  PostMessageW(caja, WM_COMMAND, MAKEWPARAM(boton, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(caja, boton)));
  EsperarCierre(caja);
}

void Mano::Escoger(HWND ventanaMenu) {
  const auto hmenu = reinterpret_cast<HMENU>(SendMessageW(ventanaMenu, MN_GETHMENU, 0, 0));
  MenuVisto visto;
  const int cuantas = GetMenuItemCount(hmenu);
  for (int i = 0; i < cuantas; ++i) {
    const UINT estado = GetMenuState(hmenu, static_cast<UINT>(i), MF_BYPOSITION);
    wchar_t texto[128] = {};
    GetMenuStringW(hmenu, static_cast<UINT>(i), texto, 128, MF_BYPOSITION);
    visto.entradas.push_back((estado & MF_SEPARATOR) != 0 ? "-" : Estrecho(texto));
    visto.habilitadas.push_back((estado & (MF_GRAYED | MF_DISABLED)) == 0);
  }
  visto.predeterminada = static_cast<int>(GetMenuDefaultItem(hmenu, TRUE, 0));
  int eleccion = -1;
  {
    const std::lock_guard bloqueo(cerrojo_);
    eleccion = eleccion_;
    eleccion_ = -1;
    menus_.push_back(visto);
  }
  if (eleccion < 0) {
    Tecla(ventanaMenu, VK_ESCAPE);
  } else {
    // Down to the entry, stepping over separators, then Enter.
    for (int i = 0; i <= eleccion && i < cuantas; ++i) {
      if (visto.entradas[static_cast<std::size_t>(i)] != "-") Tecla(ventanaMenu, VK_DOWN);
    }
    Tecla(ventanaMenu, VK_RETURN);
  }
  EsperarCierre(ventanaMenu);
}

Vigia::Vigia(int segundos)
    : fin_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), hilo_([this, segundos] {
        if (WaitForSingleObject(fin_, static_cast<DWORD>(segundos) * 1000) == WAIT_TIMEOUT) {
          std::fprintf(stderr, "La prueba no ha terminado en %d s: una ventana sigue abierta\n",
                       segundos);
          std::fflush(stderr);
          TerminateProcess(GetCurrentProcess(), 3);
        }
      }) {}

Vigia::~Vigia() {
  SetEvent(fin_);
  hilo_.join();
  CloseHandle(fin_);
}

}  // namespace quillora::win32::prueba
