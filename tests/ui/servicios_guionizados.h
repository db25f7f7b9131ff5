#pragma once

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/servicios.h"
#include "ui/ventanas_memoria.h"

namespace quillora::prueba {

// The desktop as a test scripts it: every message box is written down and answered from the
// script; the test acts when a window is shown and whenever pending messages are processed.
class ServiciosGuionizados : public ui::Servicios {
 public:
  struct Mensaje {
    std::string texto;
    ui::Icono icono;
    ui::Botones botones;
    std::string titulo;
    friend bool operator==(const Mensaje&, const Mensaje&) = default;
    // Failures show the box as text, not as bytes.
    friend void PrintTo(const Mensaje& mensaje, std::ostream* salida);
  };

  ui::Respuesta MsgBox(const std::string& texto, ui::Icono icono, ui::Botones botones,
                       const std::string& titulo) override;
  // Loads and activates the window, lets the test act, and fails if the window is still open:
  // a real modal window would wait for ever.
  void MostrarModal(ui::Formulario& formulario) override;
  void ProcesarMensajes() override;
  void SetPortapapeles(const std::string& texto) override { portapapeles = texto; }
  std::string GetPortapapeles() override { return portapapeles; }
  void SetCursorEspera(bool espera) override { cursorEspera = espera; }
  ui::Ventanas& GetVentanas() override { return ventanas; }
  // Writes the menu down and lets the test choose.
  void MostrarMenu(ui::Menu& menu, ui::Boton* predeterminado) override;
  std::string GetSeparadorMiles() override { return separadorMiles; }

  std::vector<Mensaje> mensajes;
  // Answers to questions, in order; a question with no answer left fails the test.
  std::deque<ui::Respuesta> respuestas;
  std::function<void(ui::Formulario&)> alMostrar;
  // Called with the number of times messages have been processed so far (from 1).
  std::function<void(int veces)> alProcesarMensajes;
  int vecesProcesados = 0;
  std::string portapapeles;
  bool cursorEspera = false;
  struct MenuMostrado {
    std::string nombre;
    std::string predeterminado;
    std::vector<std::string> habilitadas;  // the names of its enabled entries
  };
  std::vector<MenuMostrado> menus;
  std::function<void(ui::Menu&)> alMostrarMenu;
  std::string separadorMiles = ".";
  ui::VentanasMemoria ventanas;
};

}  // namespace quillora::prueba
