#include "dictionary/entradas_resultado.h"

#include <gtest/gtest.h>

#include "dictionary/entradas.h"
#include "dictionary/error_coleccion.h"

namespace quillora {
namespace {

TEST(EntradasResultado, ListaCadaEntradaUnaVezPorSuClave) {
  Entradas entradas;
  Entradas otras;
  const auto hombre = entradas.Add("hombre");
  const auto varon = entradas.Add("varón");
  const auto otroHombre = otras.Add(" HOMBRE ");

  EntradasResultado resultado;
  for (const auto& entrada : {hombre, varon, hombre, otroHombre}) resultado.Add(entrada);
  EXPECT_EQ(resultado.NewEnum(), (std::vector<std::shared_ptr<Entrada>>{hombre, varon}));
  EXPECT_THROW(resultado.Item(0), ErrorColeccion);
  EXPECT_THROW(resultado.Item(3), ErrorColeccion);
  EXPECT_EQ(resultado.ItemByText(" Varón "), varon);
  EXPECT_EQ(resultado.ItemByText("varon"), nullptr);

  // Removal goes by key: an entry with the same text stands for the listed one.
  resultado.Remove(otroHombre);
  EXPECT_THROW(resultado.Remove(hombre), ErrorColeccion);
  EXPECT_EQ(resultado.Item(1), varon);
  resultado.Clear();
  EXPECT_EQ(resultado.Count(), 0);
}

}  // namespace
}  // namespace quillora
