#pragma once

namespace quillora::terminal {

// Ctrl+C in a terminal program: the first press is noted for the window shown (its close box);
// a second one ends the program at once, with nothing written.
class Interrupcion {
 public:
  static void Instalar();
  // Whether Ctrl+C was pressed since the last call.
  static bool Pendiente();
};

}  // namespace quillora::terminal
