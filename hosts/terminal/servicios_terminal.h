#pragma once

#include <iosfwd>

#include "ui/servicios.h"

namespace quillora::terminal {

// The desktop's services for a program run in a terminal: message boxes are printed on the
// error stream; a question is answered No, so nothing is done that nobody agreed to.
class ServiciosTerminal : public ui::Servicios {
 public:
  explicit ServiciosTerminal(std::ostream& salida);
  ui::Respuesta MsgBox(const std::string& texto, ui::Icono icono, ui::Botones botones,
                       const std::string& titulo) override;

 private:
  std::ostream& salida_;
};

}  // namespace quillora::terminal
