#pragma once

#include <cstdint>
#include <string>

namespace quillora::ui {

class Boton;
class Formulario;
class Menu;
class Ventanas;

// Message box icons and buttons, with the numbers of the desktop they come from.
enum class Icono : std::int32_t {
  Ninguno = 0,
  Critico = 16,
  Pregunta = 32,
  Exclamacion = 48,
  Informacion = 64
};
enum class Botones : std::int32_t { Aceptar = 0, AceptarCancelar = 1, SiNo = 4 };
enum class Respuesta : std::int32_t { Aceptar = 1, Cancelar = 2, Si = 6, No = 7 };

// What the dialogs ask of the desktop. A front end draws; tests script the answers.
class Servicios {
 public:
  virtual ~Servicios() = default;
  virtual Respuesta MsgBox(const std::string& texto, Icono icono, Botones botones,
                           const std::string& titulo) = 0;
  // Shows the window modally: loads it, activates it, and returns once it has closed.
  virtual void MostrarModal(Formulario& formulario) = 0;
  // Lets the pending window messages run: repaints, button presses, the close box.
  virtual void ProcesarMensajes() = 0;
  virtual void SetPortapapeles(const std::string& texto) = 0;
  virtual std::string GetPortapapeles() = 0;
  // The wait cursor over the whole desktop, or the normal one.
  virtual void SetCursorEspera(bool espera) = 0;
  // The desktop's windows, for what the dialogs change in them directly.
  virtual Ventanas& GetVentanas() = 0;
  // Shows a pop-up menu at the pointer, its default entry in bold, and returns once it has
  // closed (after running the chosen entry's Click, if any).
  virtual void MostrarMenu(Menu& menu, Boton* predeterminado) = 0;
  // The thousands separator of the user's regional settings.
  virtual std::string GetSeparadorMiles() = 0;
};

}  // namespace quillora::ui
