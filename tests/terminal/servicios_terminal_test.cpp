#include "servicios_terminal.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sstream>

#include "interrupcion.h"
#include "ui/barra_progreso.h"
#include "ui/formulario.h"

namespace quillora::terminal {
namespace {

// A window that runs a job when activated, asking for pending messages as it goes, and closes
// itself at the end unless told to stop first.
class Trabajo : public ui::Formulario {
 public:
  explicit Trabajo(ui::Servicios& servicios) : Formulario("Quillora"), servicios_(servicios) {
    Registrar({&barra});
  }
  ui::BarraProgreso barra{"pbQuillora"};
  int pasos = 0;
  bool parado = false;

 protected:
  void Form_Activate() override {
    barra.SetMax(4);
    for (int i = 1; i <= 4 && !parado; ++i) {
      barra.SetValue(i);
      ++pasos;
      if (i == 2) std::raise(SIGINT);  // the user presses Ctrl+C once
      servicios_.ProcesarMensajes();
    }
    parado = true;
    Unload(ui::ModoCierre::Codigo);
  }
  void Form_QueryUnload(bool& cancel, ui::ModoCierre /*modo*/) override {
    cancel = !parado;
    parado = true;
  }

 private:
  ui::Servicios& servicios_;
};

TEST(ServiciosTerminal, DrawsProgressAndTurnsCtrlCIntoTheCloseBox) {
  Interrupcion::Instalar();
  std::ostringstream salida;
  ServiciosTerminal servicios(salida, true);
  Trabajo trabajo(servicios);
  servicios.MostrarModal(trabajo);
  EXPECT_TRUE(servicios.GetInterrumpido());
  EXPECT_EQ(trabajo.pasos, 2);
  EXPECT_FALSE(trabajo.GetCargado());
  EXPECT_EQ(salida.str(),
            "\rQuillora [#######                       ] 25% "
            "\rQuillora [###############               ] 50% \n");

  std::ostringstream mensajes;
  ServiciosTerminal callado(mensajes, false);
  EXPECT_EQ(
      callado.MsgBox("¿Borrar la entrada?", ui::Icono::Pregunta, ui::Botones::SiNo, "Quillora"),
      ui::Respuesta::No);
  EXPECT_EQ(callado.MsgBox("No se ha podido acceder a la base de datos", ui::Icono::Critico,
                           ui::Botones::Aceptar, "Quillora"),
            ui::Respuesta::Aceptar);
  EXPECT_EQ(mensajes.str(),
            "Quillora (mensaje): ¿Borrar la entrada?\n"
            "Quillora (error): No se ha podido acceder a la base de datos\n");
}

TEST(ServiciosTerminal, AWindowThatNeverClosesIsAnError) {
  class Terca : public ui::Formulario {
   public:
    Terca() : Formulario("Terca") {}

   protected:
    void Form_QueryUnload(bool& cancel, ui::ModoCierre /*modo*/) override { cancel = true; }
  } terca;
  std::ostringstream salida;
  ServiciosTerminal servicios(salida, false);
  EXPECT_THROW(servicios.MostrarModal(terca), std::runtime_error);
}

}  // namespace
}  // namespace quillora::terminal
