#include "ui/formulario.h"

#include <gtest/gtest.h>

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

TEST(Formulario, ADisabledButtonIgnoresPresses) {
  Ventana ventana;
  int pulsaciones = 0;
  ventana.cmdAceptar.Click = [&] { ++pulsaciones; };
  ventana.cmdAceptar.SetEnabled(false);
  ventana.cmdAceptar.Pulsar();
  EXPECT_EQ(pulsaciones, 0);
  ventana.cmdAceptar.SetEnabled(true);
  ventana.cmdAceptar.Pulsar();
  EXPECT_EQ(pulsaciones, 1);
}

}  // namespace
}  // namespace quillora::ui
