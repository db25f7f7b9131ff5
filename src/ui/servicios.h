#pragma once

#include <cstdint>
#include <string>

namespace quillora::ui {

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
};

}  // namespace quillora::ui
