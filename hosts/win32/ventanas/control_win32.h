#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "diseno.h"

namespace quillora::ui {
class Control;
}

namespace quillora::win32 {

// What a control's window needs from the window it is placed on.
class Anfitrion {
 public:
  virtual ~Anfitrion() = default;
  // Runs a handler of the models: an error it raises is reported, and every window is brought
  // up to date with the models afterwards.
  virtual void Atender(const std::function<void()>& manejador) = 0;
  // Pixels at 96 dots per inch on this screen.
  virtual int Escala(int pixeles) const = 0;
  // The font of the window's controls, or the large bold one of a header.
  virtual HFONT Fuente(bool titulo) const = 0;
  virtual HINSTANCE Instancia() const = 0;
  // The window the control is placed on.
  virtual HWND Ventana() const = 0;
  // Whether the windows are being brought up to date with the models: what they report meanwhile
  // is the window's own doing, not the user's.
  virtual bool Actualizando() const = 0;
};

// The window drawn for one control model. It is created with the form's window and follows its
// model: Actualizar brings it up to date with what changed, and the user's input reaches the
// model through the notifications it receives.
class ControlWin32 {
 public:
  ControlWin32(Anfitrion& anfitrion, ui::Control& modelo, int id)
      : anfitrion_(anfitrion), modelo_(modelo), id_(id) {}
  virtual ~ControlWin32() = default;
  ControlWin32(const ControlWin32&) = delete;
  ControlWin32& operator=(const ControlWin32&) = delete;

  // Makes the control's window inside `rect` (already scaled) of the anfitrion's window.
  virtual void Crear(const RECT& rect, const Colocacion& colocacion) = 0;
  // Brings the window up to date with the model; `enPagina` says whether the page the control
  // is on is the one shown.
  void Actualizar(bool enPagina);
  // A WM_COMMAND sent by the control (its window, or one of its buttons).
  virtual void Comando(WORD /*id*/, WORD /*codigo*/) {}
  // A WM_NOTIFY sent by the control.
  virtual LRESULT Notificacion(const NMHDR& /*aviso*/) { return 0; }
  // WM_TIMER for the control's id.
  virtual void Temporizador() {}

  HWND GetHwnd() const { return hwnd_; }
  int GetId() const { return id_; }
  ui::Control& Modelo() const { return modelo_; }

 protected:
  virtual void ActualizarContenido() = 0;
  // Makes the window with the anfitrion's font; a control without a window of its own sets none.
  HWND CrearVentana(DWORD estiloExtendido, const wchar_t* clase, const wchar_t* texto, DWORD estilo,
                    const RECT& rect);
  Anfitrion& anfitrion_;

 private:
  ui::Control& modelo_;
  int id_;
  HWND hwnd_ = nullptr;
  // What the window shows of the model's common state: unknown until the first update.
  int visible_ = -1;
  int habilitado_ = -1;
};

// The window of a control, by the model's kind; none for a model drawn without one (a menu).
std::unique_ptr<ControlWin32> CrearControl(Anfitrion& anfitrion, ui::Control& modelo, int id);

}  // namespace quillora::win32
