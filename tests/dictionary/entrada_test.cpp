#include "dictionary/entrada.h"

#include <gtest/gtest.h>

#include "dictionary/entradas.h"
#include "dictionary/morfologias.h"
#include "dictionary/sexismos.h"

namespace quillora {
namespace {

class EntradaTest : public testing::Test {
 protected:
  ~EntradaTest() override {
    entradas.Clear();
    morfologias.Clear();
  }

  Entradas entradas;
  Morfologias morfologias;
  std::shared_ptr<Morfologia> nombre = morfologias.Add("Nombre");
  std::shared_ptr<Morfologia> adjetivo = morfologias.Add("Adjetivo");
  std::shared_ptr<Entrada> hombre = entradas.Add("hombre");
};

TEST_F(EntradaTest, CambiarDeClaseMueveLaEntradaEntreLasListas) {
  hombre->SetMorfologia(nombre);
  hombre->SetMorfologia(nombre);
  EXPECT_EQ(hombre->GetMorfologia(), nombre);
  EXPECT_EQ(nombre->GetEntradas()->Count(), 1);

  hombre->SetMorfologia(adjetivo);
  EXPECT_EQ(nombre->GetEntradas()->Count(), 0);
  EXPECT_EQ(adjetivo->GetEntradas()->ItemByText("HOMBRE"), hombre);

  hombre->SetMorfologia(nullptr);
  EXPECT_EQ(hombre->GetMorfologia(), nullptr);
  EXPECT_EQ(adjetivo->GetEntradas()->Count(), 0);
}

// Entries of two dictionaries may share a key; a class lists only the first of them.
TEST_F(EntradaTest, LaClaseNoPierdeOtraEntradaConLaMismaClave) {
  Entradas otras;
  const auto otroHombre = otras.Add("HOMBRE");
  hombre->SetMorfologia(nombre);
  otroHombre->SetMorfologia(nombre);
  otroHombre->SetMorfologia(adjetivo);
  EXPECT_EQ(nombre->GetEntradas()->Item(1), hombre);
  EXPECT_EQ(hombre->GetMorfologia(), nombre);
  EXPECT_EQ(adjetivo->GetEntradas()->Item(1), otroHombre);
  otras.Clear();
}

}  // namespace
}  // namespace quillora
