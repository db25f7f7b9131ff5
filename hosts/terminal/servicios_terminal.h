#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "ui/servicios.h"
#include "ui/ventanas_memoria.h"

namespace quillora::terminal {

// The desktop's services for a program run in a terminal. Message boxes are printed on the
// error stream as "Quillora: " and the text. A Yes/No question is asked there and answered from
// `respuestas` (a terminal); without one, or at its end, the answer is No, so nothing is done
// that nobody agreed to. A modal window shows its progress bar on the error stream when it is a
// terminal, and Ctrl+C (see interrupcion.h) is its close box.
class ServiciosTerminal : public ui::Servicios {
 public:
  ServiciosTerminal(std::ostream& salida, bool dibujarProgreso, std::istream* respuestas = nullptr);
  ui::Respuesta MsgBox(const std::string& texto, ui::Icono icono, ui::Botones botones,
                       const std::string& titulo) override;
  // A window that still waits for the user once activated is handed to alMostrar, which plays
  // the user's part; if it is still open after that, it is asked to close.
  void MostrarModal(ui::Formulario& formulario) override;
  void ProcesarMensajes() override;
  void SetPortapapeles(const std::string& texto) override { portapapeles_ = texto; }
  std::string GetPortapapeles() override { return portapapeles_; }
  void SetCursorEspera(bool /*espera*/) override {}
  ui::Ventanas& GetVentanas() override { return ventanas_; }
  // A terminal has no pointer to show a menu at: the menu closes unused.
  void MostrarMenu(ui::Menu& /*menu*/, ui::Boton* /*predeterminado*/) override {}
  // From the numeric settings of the locale the environment names (LC_ALL, LC_NUMERIC, LANG);
  // none when they name no installed locale or one without grouping.
  std::string GetSeparadorMiles() override;

  // Acts for the user on a window that waits for them.
  std::function<void(ui::Formulario&)> alMostrar;

  // Whether the user pressed Ctrl+C while a window was shown.
  bool GetInterrumpido() const { return interrumpido_; }
  // How many message boxes have been shown, and how many of them warned of an error or a
  // problem (exclamation or critical icon).
  int GetMensajesMostrados() const { return mensajesMostrados_; }
  int GetAvisosMostrados() const { return avisosMostrados_; }
  // Every later Yes/No question is answered so without asking (a command's "--si").
  void ResponderSiempre(ui::Respuesta respuesta) { respuestaFija_ = respuesta; }

 private:
  void DibujarProgreso();

  std::ostream& salida_;
  bool dibujarProgreso_;
  std::istream* respuestas_;
  int mensajesMostrados_ = 0;
  int avisosMostrados_ = 0;
  std::optional<ui::Respuesta> respuestaFija_;
  ui::VentanasMemoria ventanas_;
  ui::Formulario* ventana_ = nullptr;
  std::int64_t ultimoDibujo_ = -1;
  bool interrumpido_ = false;
  std::string portapapeles_;
};

}  // namespace quillora::terminal
