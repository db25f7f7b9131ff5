#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "servicios_terminal.h"

namespace quillora {

namespace ui {
class ComboImagen;
class Formulario;
}  // namespace ui

// The dictionary editor's windows driven from the command line: the data source made
// reachable, their messages on the error stream, their questions asked on the terminal or
// answered yes by "--si".
class EditorTerminal {
 public:
  explicit EditorTerminal(bool siATodo = false);

  // Whether a window warned of an error or a refused value.
  bool HuboAvisos() const { return servicios.GetAvisosMostrados() > 0; }
  // Shows the window modally; `accion` acts in it and in every window it opens, unless a window
  // has already warned. What is still open afterwards is closed with its own cancel or exit
  // command; an error of the action reaches the caller once every window has closed.
  void Mostrar(ui::Formulario& ventana, const std::function<void(ui::Formulario&)>& accion);

  terminal::ServiciosTerminal servicios;
};

// The class a name stands for, matched like the combo's item texts (letter case and outer blanks
// aside); "<Ninguno>" is no class. An unknown name is an error listing the valid ones.
void ElegirClase(ui::ComboImagen& combo, const std::string& nombre, const std::string& que);

// A value for a box of at most 250 characters; longer is an error, never cut.
void ComprobarLargo(const std::string& texto, const std::string& que);

// The error for a key that names no entry or alternative ("entrada", "alternativa").
std::string NoExiste(const std::string& que, std::int32_t id);

// Says on the error stream that fewer rows than asked for were deleted ("entradas").
void Incompleto(std::size_t eliminadas, std::size_t pedidas, const std::string& que);

}  // namespace quillora
