#include "dictionary/morfologias.h"

#include <gtest/gtest.h>

#include "dictionary/entradas.h"

namespace quillora {
namespace {

TEST(Morfologias, ItemByIdDaLaPrimeraConEseIdONinguna) {
  Morfologias morfologias;
  EXPECT_EQ(morfologias.ItemById(0), nullptr);
  const auto nombre = morfologias.Add("Nombre");
  const auto adjetivo = morfologias.Add("Adjetivo");
  morfologias.Add("Verbo")->SetId(3);
  nombre->SetId(7);
  adjetivo->SetId(3);
  EXPECT_EQ(morfologias.ItemById(7), nombre);
  EXPECT_EQ(morfologias.ItemById(3), adjetivo);
  EXPECT_EQ(morfologias.ItemById(99), nullptr);
}

TEST(Morfologias, QuitarUnaClaseVaciaSuListaYDesligaSusEntradas) {
  Entradas entradas;
  Morfologias morfologias;
  const auto nombre = morfologias.Add("Nombre común");
  const auto hombre = entradas.Add("hombre");
  const auto hombres = entradas.Add("hombres");
  hombre->SetMorfologia(nombre);
  hombres->SetMorfologia(nombre);

  EXPECT_THROW(morfologias.Remove("Nombre comun"), ErrorColeccion);
  EXPECT_EQ(nombre->GetEntradas()->Count(), 2);

  morfologias.Remove(" NOMBRE COMÚN ");
  EXPECT_EQ(morfologias.Count(), 0);
  EXPECT_EQ(nombre->GetEntradas()->Count(), 0);
  EXPECT_EQ(hombre->GetMorfologia(), nullptr);
  EXPECT_EQ(hombres->GetMorfologia(), nullptr);
  EXPECT_EQ(entradas.Count(), 2);
}

}  // namespace
}  // namespace quillora
