#include "dictionary/coleccion_texto.h"

#include <gtest/gtest.h>

#include "dictionary/determinantes.h"
#include "dictionary/entradas_documentos.h"
#include "dictionary/sustitutos.h"

namespace quillora {
namespace {

TEST(ColeccionTexto, GuardaElTextoTalCualYBuscaPorSuClave) {
  Sustitutos sustitutos;
  const auto persona = sustitutos.Add(" Persona");
  EXPECT_EQ(persona->GetSustituto(), " Persona");
  EXPECT_EQ(sustitutos.Add("PERSONA  "), nullptr);
  // The key stays the one the record was added with.
  persona->SetSustituto("ser humano");
  EXPECT_EQ(sustitutos.ItemByText("ser humano"), nullptr);
  EXPECT_EQ(sustitutos.ItemByText("persona"), persona);

  EntradasDocumentos documentos;
  documentos.Add("d-15")->SetOmitir(true);
  EXPECT_EQ(documentos.Add(" D-15 "), nullptr);
  EXPECT_TRUE(documentos.ItemByText("D-15")->GetOmitir());
  EXPECT_FALSE(documentos.Add("D-16")->GetOmitir());

  Determinantes determinantes;
  for (const char* texto : {"el", "la", "los", "las"}) determinantes.Add(texto);
  determinantes.Remove(" LOS ");
  determinantes.Remove(1);
  ASSERT_EQ(determinantes.Count(), 2);
  EXPECT_EQ(determinantes.Item(1)->GetDeterminante(), "la");
  EXPECT_EQ(determinantes.Item(2)->GetDeterminante(), "las");
  determinantes.Clear();
  determinantes.Clear();
  EXPECT_EQ(determinantes.Count(), 0);
}

}  // namespace
}  // namespace quillora
