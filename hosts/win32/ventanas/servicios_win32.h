#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "diseno.h"
#include "ui/servicios.h"

namespace quillora::win32 {

class Escritorio;
class VentanasWin32;

// The desktop's services on Windows: message boxes, the dialogs drawn with Windows' common
// controls and shown modally, the clipboard, the wait cursor, pop-up menus and the user's
// regional settings. Everything runs on the thread that made it, which must pump its messages
// only through these services while a dialog is shown.
class ServiciosWin32 final : public ui::Servicios {
 public:
  // `modulo` is the module whose window class the dialogs are made of: the add-in's DLL, or the
  // program.
  explicit ServiciosWin32(HINSTANCE modulo);
  ~ServiciosWin32() override;
  ServiciosWin32(const ServiciosWin32&) = delete;
  ServiciosWin32& operator=(const ServiciosWin32&) = delete;

  ui::Respuesta MsgBox(const std::string& texto, ui::Icono icono, ui::Botones botones,
                       const std::string& titulo) override;
  // Draws the form as a window over the window on top, disables that one, and runs the messages
  // until the form has closed; then the window is destroyed.
  void MostrarModal(ui::Formulario& formulario) override;
  void ProcesarMensajes() override;
  void SetPortapapeles(const std::string& texto) override;
  std::string GetPortapapeles() override;
  void SetCursorEspera(bool espera) override;
  ui::Ventanas& GetVentanas() override;
  void MostrarMenu(ui::Menu& menu, ui::Boton* predeterminado) override;
  std::string GetSeparadorMiles() override;

  // The window the first modal window and message box go over (Word's); without one, the
  // thread's active window.
  void SetVentanaPropietaria(HWND ventana);
  // The window drawn for the form; null while it has none.
  HWND VentanaDe(const ui::Formulario& formulario) const;
  // Called inside the modal loop once each modal window has been shown, as a user would act on
  // it: for tests and for pictures of the dialogs.
  void SetAlMostrar(std::function<void(ui::Formulario&, HWND)> alMostrar);
  // Draws the form, from its next window on, with this layout instead of its own: for windows
  // that are not the add-in's.
  void SetDiseno(const ui::Formulario& formulario, Diseno diseno);

 private:
  std::unique_ptr<Escritorio> escritorio_;
  std::unique_ptr<VentanasWin32> ventanas_;
};

}  // namespace quillora::win32
