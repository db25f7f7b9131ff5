#pragma once

namespace quillora::comun {

class Procesos;
class Registro;
class Shell;

// The machine the add-in runs on: its settings, its shell and its processes.
struct Entorno {
  Registro& registro;
  Shell& shell;
  Procesos& procesos;
};

}  // namespace quillora::comun
