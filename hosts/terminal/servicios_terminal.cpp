#include "servicios_terminal.h"

#include <ostream>

namespace quillora::terminal {

ServiciosTerminal::ServiciosTerminal(std::ostream& salida) : salida_(salida) {}

ui::Respuesta ServiciosTerminal::MsgBox(const std::string& texto, ui::Icono icono,
                                        ui::Botones botones, const std::string& titulo) {
  const char* tipo = icono == ui::Icono::Critico       ? "error"
                     : icono == ui::Icono::Exclamacion ? "aviso"
                                                       : "mensaje";
  salida_ << titulo << " (" << tipo << "): " << texto << '\n';
  return botones == ui::Botones::SiNo ? ui::Respuesta::No : ui::Respuesta::Aceptar;
}

}  // namespace quillora::terminal
