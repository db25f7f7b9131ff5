#include "dictionary/entradas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/morfologias.h"
#include "dictionary/sexismos.h"

namespace quillora {
namespace {

std::vector<std::string> Textos(const EntradasResultado& resultado) {
  std::vector<std::string> textos;
  for (const auto& entrada : resultado.NewEnum()) textos.push_back(entrada->GetEntrada());
  return textos;
}

TEST(Entradas, LaClaveIgnoraMayusculasYBlancosExterioresPeroNoAcentos) {
  Entradas entradas;
  const auto casa = entradas.Add("  Casa ");
  ASSERT_NE(casa, nullptr);
  EXPECT_EQ(entradas.ItemByText("CASA"), casa);
  EXPECT_EQ(casa->GetEntrada(), "  Casa ");

  EXPECT_EQ(entradas.Add("casa"), nullptr);
  EXPECT_EQ(entradas.Count(), 1);

  entradas.Add("camión");
  EXPECT_EQ(entradas.ItemByText("camion"), nullptr);
  EXPECT_EQ(entradas.ItemByText("CAMIÓN")->GetEntrada(), "camión");

  EXPECT_EQ(entradas.Item(2)->GetEntrada(), "camión");
  EXPECT_THROW(entradas.Item(0), ErrorColeccion);
  EXPECT_THROW(entradas.Item(entradas.Count() + 1), ErrorColeccion);
  EXPECT_THROW(entradas.Remove("camion"), ErrorColeccion);
  EXPECT_EQ(entradas.Count(), 2);
}

TEST(Entradas, ItemsByTextDaLasEntradasQueEmpiezanPorLasPalabras) {
  Entradas entradas;
  for (const char* texto : {"hombre público", "hombres", "el hombre", "hombre", "Hombre  rana",
                            " hombre de paja", "hombre\tlobo"}) {
    entradas.Add(texto);
  }
  const std::vector<std::string> esperadas{"hombre público", "hombre", "Hombre  rana"};
  EXPECT_EQ(Textos(entradas.ItemsByText("hombre")), esperadas);
  EXPECT_EQ(Textos(entradas.ItemsByText("  HOMBRE ")), esperadas);
  // The leading blank keeps it out of the prefix search, not out of the key lookup.
  EXPECT_EQ(entradas.ItemByText("hombre de paja")->GetEntrada(), " hombre de paja");
  EXPECT_EQ(Textos(entradas.ItemsByText("el")), std::vector<std::string>{"el hombre"});
  EXPECT_EQ(Textos(entradas.ItemsByText("hombre público")),
            std::vector<std::string>{"hombre público"});
  EXPECT_EQ(entradas.ItemsByText("mujer").Count(), 0);
  EXPECT_EQ(entradas.ItemsByText("hombr").Count(), 0);

  entradas.Remove("HOMBRE");
  entradas.Remove(1);
  EXPECT_EQ(Textos(entradas.ItemsByText("hombre")), std::vector<std::string>{"Hombre  rana"});
  entradas.Clear();
  entradas.Add("hombre");
  EXPECT_EQ(entradas.ItemsByText("hombre").Count(), 1);
}

TEST(Entradas, QuitarDesligaLaEntradaDeSusClases) {
  Entradas entradas;
  Morfologias morfologias;
  Sexismos sexismos;
  const auto nombre = morfologias.Add("Nombre");
  const auto generico = sexismos.Add("Masculino genérico");
  std::vector<std::shared_ptr<Entrada>> guardadas;
  for (const char* texto : {"hombre", "hombres", "varón"}) {
    guardadas.push_back(entradas.Add(texto));
    guardadas.back()->SetMorfologia(nombre);
    guardadas.back()->SetSexismo(generico);
  }

  entradas.Remove(2);
  // A removed entry stays valid for whoever holds it, without its classes.
  EXPECT_EQ(guardadas[1]->GetEntrada(), "hombres");
  EXPECT_EQ(guardadas[1]->GetMorfologia(), nullptr);
  EXPECT_EQ(guardadas[1]->GetSexismo(), nullptr);
  EXPECT_EQ(generico->GetEntradas()->Count(), 2);

  entradas.Clear();
  entradas.Clear();
  EXPECT_EQ(entradas.Count(), 0);
  EXPECT_EQ(nombre->GetEntradas()->Count(), 0);
  EXPECT_EQ(generico->GetEntradas()->Count(), 0);
}

}  // namespace
}  // namespace quillora
