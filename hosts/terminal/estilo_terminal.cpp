#include "estilo_terminal.h"

#include <unistd.h>

#include <cstdlib>

namespace quillora::terminal {

std::string ConEstilo(const std::vector<rtf::Tramo>& tramos, bool colores) {
  std::string salida;
  for (const auto& tramo : tramos) {
    std::string codigos;
    if (colores) {
      if (tramo.negrita) codigos += ";1";
      if (tramo.cursiva) codigos += ";3";
      if (tramo.subrayado) codigos += ";4";
      if (tramo.color) {
        codigos += ";38;2;" + std::to_string(tramo.color->rojo) + ";" +
                   std::to_string(tramo.color->verde) + ";" + std::to_string(tramo.color->azul);
      }
    }
    if (codigos.empty()) {
      salida += tramo.texto;
    } else {
      salida += "\x1b[" + codigos.substr(1) + "m" + tramo.texto + "\x1b[0m";
    }
  }
  return salida;
}

bool ColoresEn(int descriptor) {
  const char* sinColor = std::getenv("NO_COLOR");
  return isatty(descriptor) == 1 && (sinColor == nullptr || *sinColor == '\0');
}

}  // namespace quillora::terminal
