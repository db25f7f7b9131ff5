#include "despacho.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "prueba_com.h"
#include "word/host_error.h"

namespace quillora::com {
namespace {

using ComDespachoTest = PruebaCom;
using ::testing::HasSubstr;

TEST_F(ComDespachoTest, FailuresNameTheMemberAndTheCode) {
  const Despacho aplicacion(word_.Aplicacion());
  EXPECT_EQ(MensajeDeFallo([&] { aplicacion.Leer("Inexistente"); }),
            "Word no reconoce el miembro «Inexistente» (0x80020006): el objeto no tiene ningún "
            "miembro con ese nombre");
  // Only the members that old versions lack are NotSupported.
  EXPECT_THROW(aplicacion.Leer("Picture"), word::NotSupported);
  EXPECT_THROW(aplicacion.Leer("Inexistente"), word::HostError);
  try {
    aplicacion.Leer("Inexistente");
  } catch (const word::NotSupported&) {
    ADD_FAILURE() << "un miembro cualquiera no es NotSupported";
  } catch (const word::HostError&) {
  }

  EXPECT_THAT(MensajeDeFallo([&] { aplicacion.Escribir("Documents", Variante::Entero(1)); }),
              HasSubstr("Word no ha podido escribir la propiedad «Documents» (0x80020003)"));
  EXPECT_THAT(
      MensajeDeFallo([&] { aplicacion.Escribir("DisplayScreenTips", Variante::Texto("quizá")); }),
      HasSubstr("(0x80020005): un argumento no es del tipo esperado"));
  EXPECT_THAT(MensajeDeFallo([&] { aplicacion.Llamar("Documents", {Variante::Entero(1)}); }),
              HasSubstr("Word no ha podido ejecutar el método «Documents» (0x80020003)"));
  EXPECT_THAT(MensajeDeFallo([&] { aplicacion.Leer("Documents").Texto(); }),
              HasSubstr("Word ha devuelto un valor de un tipo inesperado en «Documents»"));
}

TEST_F(ComDespachoTest, NamedAndOmittedArguments) {
  const Despacho barras(Despacho(word_.Aplicacion()).Leer("CommandBars").ObjetoPresente());
  const Despacho barra(barras
                           .Llamar("Add", {Variante::Texto("Quillora"), Variante::Omitido(),
                                           Variante::Omitido(), Variante::Logico(true)})
                           .ObjetoPresente());
  EXPECT_EQ(barra.Leer("Position").Entero(), 1);
  const Despacho controles(barra.Leer("Controls").ObjetoPresente());
  const Despacho boton(controles.Llamar("Add", {}).ObjetoPresente());
  boton.Escribir("Tag", Variante::Texto("qkvAyuda"));

  EXPECT_EQ(barra.LlamarConNombre("FindControl", "Tag", Variante::Texto("qkvAyuda")).Objeto().Get(),
            boton.Objeto());
  EXPECT_EQ(barra.LlamarConNombre("FindControl", "Tag", Variante::Texto("otro")).Objeto(), nullptr);
  EXPECT_THROW(barra.LlamarConNombre("FindControl", "Etiqueta", Variante::Texto("qkvAyuda")),
               word::HostError);
  EXPECT_THAT(MensajeDeFallo([&] { barra.LlamarConNombre("FindControl", "Etiqueta", Variante()); }),
              HasSubstr("«FindControl(Etiqueta)»"));
  EXPECT_EQ(barras.Item(Variante::Texto("quillora")).Objeto().Get(), barra.Objeto());
}

}  // namespace
}  // namespace quillora::com
