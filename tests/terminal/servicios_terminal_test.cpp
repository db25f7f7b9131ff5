#include "servicios_terminal.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <csignal>
#include <sstream>
#include <vector>

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
}

TEST(ServiciosTerminal, PrintsMessagesAndAsksQuestionsOnTheTerminal) {
  std::ostringstream mensajes;
  ServiciosTerminal callado(mensajes, false);
  EXPECT_EQ(callado.MsgBox("¿Borrar la entrada?", ui::Icono::Pregunta, ui::Botones::SiNo, ""),
            ui::Respuesta::No);
  EXPECT_EQ(callado.MsgBox("No se ha podido acceder a la base de datos", ui::Icono::Critico,
                           ui::Botones::Aceptar, "Quillora"),
            ui::Respuesta::Aceptar);
  EXPECT_EQ(
      callado.MsgBox("Hecho", ui::Icono::Informacion, ui::Botones::AceptarCancelar, "Diccionario"),
      ui::Respuesta::Aceptar);
  EXPECT_EQ(mensajes.str(),
            "Quillora: ¿Borrar la entrada? [s/N] n\n"
            "Quillora: No se ha podido acceder a la base de datos\n"
            "Diccionario: Hecho\n");
  EXPECT_EQ(callado.GetMensajesMostrados(), 3);

  std::ostringstream preguntas;
  std::istringstream respuestas("sí\nS\nno\n\nnunca sí\ns");
  ServiciosTerminal terminal(preguntas, false, &respuestas);
  std::vector<ui::Respuesta> dadas;
  for (int i = 0; i < 7; ++i) {
    dadas.push_back(terminal.MsgBox("¿Seguir?", ui::Icono::Pregunta, ui::Botones::SiNo, ""));
  }
  using enum ui::Respuesta;
  EXPECT_EQ(dadas, (std::vector<ui::Respuesta>{Si, Si, No, No, No, Si, No}));
  // A typed answer ends its own line on the terminal; only the one given for the user is printed.
  std::string esperado;
  for (int i = 0; i < 7; ++i) esperado += "Quillora: ¿Seguir? [s/N] ";
  EXPECT_EQ(preguntas.str(), esperado + "n\n");

  // "--si": the question is shown with its answer, and only warnings count as such.
  std::ostringstream conSi;
  ServiciosTerminal siempre(conSi, false, &respuestas);
  siempre.ResponderSiempre(Si);
  EXPECT_EQ(siempre.MsgBox("¿Borrar?", ui::Icono::Pregunta, ui::Botones::SiNo, "Quillora"), Si);
  siempre.MsgBox("Hecho", ui::Icono::Informacion, ui::Botones::Aceptar, "Quillora");
  EXPECT_EQ(siempre.GetAvisosMostrados(), 0);
  siempre.MsgBox("Mal", ui::Icono::Exclamacion, ui::Botones::Aceptar, "Quillora");
  EXPECT_EQ(siempre.GetAvisosMostrados(), 1);
  EXPECT_EQ(conSi.str(), "Quillora: ¿Borrar? [s/N] s\nQuillora: Hecho\nQuillora: Mal\n");
}

TEST(ServiciosTerminal, TakesTheThousandsSeparatorFromTheLocale) {
  std::ostringstream salida;
  ServiciosTerminal terminal(salida, false);
  const auto anterior = std::getenv("LC_ALL");
  const std::string guardado = anterior ? anterior : "";
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(terminal.GetSeparadorMiles(), "");  // no grouping
  setenv("LC_ALL", "es_ES.UTF-8", 1);
  const auto espanol = terminal.GetSeparadorMiles();
  if (anterior) {
    setenv("LC_ALL", guardado.c_str(), 1);
  } else {
    unsetenv("LC_ALL");
  }
  if (espanol.empty()) GTEST_SKIP() << "el locale es_ES.UTF-8 no está instalado";
  EXPECT_EQ(espanol, ".");
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
