#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "diseno.h"

namespace quillora::ui {
class Formulario;
}

namespace quillora::win32 {

class VentanaFormulario;

// The forms' windows of one program: made when a form first needs one, shown modally one over
// the other, and destroyed when their form has closed.
class Escritorio {
 public:
  explicit Escritorio(HINSTANCE modulo);
  ~Escritorio();
  Escritorio(const Escritorio&) = delete;
  Escritorio& operator=(const Escritorio&) = delete;

  HINSTANCE Instancia() const { return modulo_; }
  HFONT Fuente(bool titulo) const { return titulo ? titulo_ : fuente_; }
  int Dpi() const { return dpi_; }
  static constexpr const wchar_t* kClase = L"QuilloraFormulario";

  // The form's window: the one it has, or a new hidden one.
  VentanaFormulario& VentanaPara(ui::Formulario& formulario);
  // The form's window, or none.
  VentanaFormulario* Buscar(const ui::Formulario& formulario) const;

  // Shows the form over the window on top and runs its messages until the form has closed.
  void MostrarModal(ui::Formulario& formulario);
  // Runs the pending messages after bringing the windows up to date.
  void ProcesarMensajes();
  // Runs a handler of the models: its error is shown in a message box titled "Quillora", and
  // every shown window is brought up to date afterwards.
  void Atender(const std::function<void()>& manejador);
  // Whether the windows are being brought up to date (their notifications are not the user's).
  bool Actualizando() const { return actualizando_ > 0; }
  // Brings every shown window up to date with its form.
  void ActualizarTodas();
  // Whether the form is shown modally now.
  bool Mostrado(const ui::Formulario& formulario) const;
  // The window a new modal window or message box goes over.
  HWND Propietaria() const;
  void SetPropietaria(HWND ventana) { propietaria_ = ventana; }
  bool GetEspera() const { return espera_; }
  void SetEspera(bool espera) { espera_ = espera; }
  // Called inside the modal loop once each modal window has been shown.
  std::function<void(ui::Formulario&, HWND)> alMostrar;
  void AlMostrarse(ui::Formulario& formulario, HWND ventana);
  // The layout the form's window is made with: the one given for it, or its own.
  Diseno DisenoPara(ui::Formulario& formulario) const;
  void SetDiseno(const ui::Formulario& formulario, Diseno diseno);
  // A message box titled "Quillora" with an error.
  void AvisarError(const std::string& texto) const;

 private:
  HINSTANCE modulo_;
  HFONT fuente_ = nullptr;
  HFONT titulo_ = nullptr;
  int dpi_ = 96;
  HWND propietaria_ = nullptr;
  bool espera_ = false;
  int actualizando_ = 0;
  std::map<const ui::Formulario*, std::unique_ptr<VentanaFormulario>> ventanas_;
  std::vector<ui::Formulario*> pila_;
  std::map<const ui::Formulario*, Diseno> disenos_;
};

}  // namespace quillora::win32
