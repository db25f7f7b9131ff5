#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "control_win32.h"
#include "diseno.h"
#include "menus_win32.h"

namespace quillora::ui {
class Control;
class Formulario;
}  // namespace quillora::ui

namespace quillora::win32 {

class Escritorio;

// The top-level window drawn for one form, with a window for each control its layout places.
// It is made hidden; Actualizar brings it up to date with the models, and the user's input and
// the window's life reach the form's handlers.
class VentanaFormulario final : public Anfitrion {
 public:
  VentanaFormulario(Escritorio& escritorio, ui::Formulario& formulario);
  // Destroys the windows without reading the models, which may be gone by then.
  ~VentanaFormulario() override;
  VentanaFormulario(const VentanaFormulario&) = delete;
  VentanaFormulario& operator=(const VentanaFormulario&) = delete;

  HWND GetHwnd() const { return hwnd_; }
  ui::Formulario& Modelo() const { return formulario_; }
  // The window of the control; none when the layout does not place it.
  std::optional<HWND> HwndDe(const ui::Control& control) const;
  // Everything the window and its controls show, from the models: only what changed.
  void Actualizar();
  // The models forget the windows, which are about to go.
  void Soltar();

  void Atender(const std::function<void()>& manejador) override;
  int Escala(int pixeles) const override;
  HFONT Fuente(bool titulo) const override;
  HINSTANCE Instancia() const override;
  HWND Ventana() const override { return hwnd_; }
  bool Actualizando() const override;

  // Posted to the window: the form became active; the window has just been shown.
  static constexpr UINT kActivar = WM_APP + 1;
  static constexpr UINT kMostrado = WM_APP + 2;

  static LRESULT CALLBACK Procedimiento(HWND hwnd, UINT mensaje, WPARAM w, LPARAM l);

 private:
  LRESULT Mensaje(UINT mensaje, WPARAM w, LPARAM l);
  RECT Escalar(const Rectangulo& rect) const;
  ControlWin32* PorVentana(HWND ventana) const;
  ControlWin32* PorId(UINT_PTR id) const;
  // The size the layout gives, or the model's height when it sets one.
  void AjustarTamano();
  bool EnCabecera(HWND control) const;

  Escritorio& escritorio_;
  ui::Formulario& formulario_;
  Diseno diseno_;
  HWND hwnd_ = nullptr;
  std::vector<std::unique_ptr<ControlWin32>> controles_;
  std::vector<std::optional<std::size_t>> paginas_;
  BarraMenus menus_;
  HBRUSH cabecera_ = nullptr;
  // What the window shows of the form.
  std::string caption_;
  std::int32_t alto_ = -1;
  bool tieneMenu_ = false;
  // Set once every control has its window: no message reaches the models before.
  bool creada_ = false;
  const ui::Control* activo_ = nullptr;
  // The control with the focus while the window is not the active one.
  HWND foco_ = nullptr;
};

}  // namespace quillora::win32
