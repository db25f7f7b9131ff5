#include "ui/formulario.h"

#include <gtest/gtest.h>

#include "servicios_guionizados.h"
#include "ui/boton.h"

namespace quillora::ui {
namespace {

// A window that writes down its life and refuses the user's first close request.
class Ventana : public Formulario {
 public:
  Ventana() : Formulario("Prueba") { Registrar({&cmdAceptar}); }
  Boton cmdAceptar{"cmdAceptar", "&Aceptar"};
  std::vector<std::string> vida;

 protected:
  void Form_Load() override { vida.push_back("load"); }
  void Form_Activate() override { vida.push_back("activate"); }
  void Form_QueryUnload(bool& cancel, ModoCierre modo) override {
    vida.push_back(modo == ModoCierre::Usuario ? "query-usuario" : "query-codigo");
    cancel = modo == ModoCierre::Usuario && !rechazado_;
    rechazado_ = rechazado_ || cancel;
  }
  void Form_Unload() override { vida.push_back("unload"); }

 private:
  bool rechazado_ = false;
};

TEST(Formulario, LoadsOnceAndClosesOnlyWhenTheRequestIsNotRefused) {
  Ventana ventana;
  EXPECT_EQ(ventana.Controles().size(), 1u);
  ventana.Activate();
  ventana.Activate();
  EXPECT_FALSE(ventana.Unload(ModoCierre::Usuario));
  EXPECT_TRUE(ventana.GetCargado());
  EXPECT_TRUE(ventana.Unload(ModoCierre::Usuario));
  EXPECT_TRUE(ventana.Unload(ModoCierre::Codigo));  // closed already: nothing more happens
  EXPECT_EQ(ventana.vida, (std::vector<std::string>{"load", "activate", "activate", "query-usuario",
                                                    "query-usuario", "unload"}));
}

TEST(ServiciosGuionizados, ScriptsModalWindowsAndMessageBoxes) {
  prueba::ServiciosGuionizados servicios;
  Ventana ventana;
  ventana.cmdAceptar.Click = [&] { ventana.Unload(ModoCierre::Codigo); };
  servicios.alMostrar = [](Formulario& f) { static_cast<Ventana&>(f).cmdAceptar.Pulsar(); };
  servicios.MostrarModal(ventana);
  EXPECT_FALSE(ventana.GetCargado());

  Ventana abierta;  // nobody closes it: a modal window that would never return
  EXPECT_THROW(servicios.MostrarModal(abierta), std::logic_error);

  servicios.respuestas = {Respuesta::No};
  EXPECT_EQ(servicios.MsgBox("¿Borrar?", Icono::Pregunta, Botones::SiNo, "Quillora"),
            Respuesta::No);
  EXPECT_THROW(servicios.MsgBox("¿Otra?", Icono::Pregunta, Botones::SiNo, "Quillora"),
               std::logic_error);
  EXPECT_EQ(servicios.MsgBox("Hecho", Icono::Informacion, Botones::Aceptar, "Quillora"),
            Respuesta::Aceptar);
  ASSERT_EQ(servicios.mensajes.size(), 3u);
  EXPECT_EQ(servicios.mensajes[2].icono, Icono::Informacion);

  Boton apagado{"cmdX", "X"};
  int pulsaciones = 0;
  apagado.Click = [&] { ++pulsaciones; };
  apagado.SetEnabled(false);
  apagado.Pulsar();
  EXPECT_EQ(pulsaciones, 0);
}

}  // namespace
}  // namespace quillora::ui
