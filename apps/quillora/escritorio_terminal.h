#pragma once

#include <string>
#include <vector>

#include "common/entorno.h"
#include "origen_datos.h"
#include "procesos_proc.h"
#include "registro_archivo.h"
#include "registro_con_ajustes.h"
#include "servicios_terminal.h"
#include "shell_xdg.h"

namespace quillora {

// The shell of the terminal, remembering what it could not open: the add-in does not report a
// failed shell call, the command does.
class ShellComprobado final : public comun::Shell {
 public:
  bool Abrir(const std::string& archivoOEnlace) override;
  std::vector<std::string> noAbiertos;

 private:
  posix::ShellXdg xdg_;
};

// What the command line gives the add-in: the terminal as its desktop (messages on the error
// stream, questions answered on the terminal, a progress bar), the registry file with what the
// command's options set over it, xdg-open and /proc.
class EscritorioTerminal {
 public:
  EscritorioTerminal();
  comun::Entorno Entorno() { return {registro, shell, procesos}; }

  terminal::ServiciosTerminal servicios;
  posix::RegistroArchivo archivoRegistro;
  RegistroConAjustes registro{archivoRegistro};
  ShellComprobado shell;
  posix::ProcesosProc procesos;
};

// Makes the data source "Quillora" reachable, saying so when the program's own dictionary is
// created now.
posix::OrigenDatos PrepararOrigen();

}  // namespace quillora
