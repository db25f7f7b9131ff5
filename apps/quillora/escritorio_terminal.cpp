#include "escritorio_terminal.h"

#include <unistd.h>

#include <iostream>

namespace quillora {

bool ShellComprobado::Abrir(const std::string& archivoOEnlace) {
  const bool abierto = xdg_.Abrir(archivoOEnlace);
  if (!abierto) noAbiertos.push_back(archivoOEnlace);
  return abierto;
}

EscritorioTerminal::EscritorioTerminal()
    : servicios(std::cerr, isatty(STDERR_FILENO) == 1,
                isatty(STDIN_FILENO) == 1 ? &std::cin : nullptr),
      archivoRegistro(posix::RutaRegistro()) {}

posix::OrigenDatos PrepararOrigen() {
  const auto origen = posix::PrepararOrigenDatos();
  if (origen.recienCreado) {
    std::cerr << "No hay ningún origen de datos «Quillora» configurado: se ha creado el "
                 "diccionario incorporado en "
              << origen.baseDatos.string() << '\n';
  }
  return origen;
}

}  // namespace quillora
