#pragma once

namespace quillora::terminal {

// Ctrl+C in a terminal program: the first press is noted for the window shown (its close box);
// a second one ends the program at once, with nothing written.
class Interrupcion {
 public:
  static void Instalar();
  // Whether Ctrl+C was pressed since the last call.
  static bool Pendiente();
  // The temporary file a save is writing, or nullptr once it is gone: a program ended meanwhile
  // by Ctrl+C (pressed twice when Instalar was called), SIGTERM or SIGHUP removes it first. The
  // text must stay valid until the next call.
  static void Temporal(const char* ruta);
};

}  // namespace quillora::terminal
