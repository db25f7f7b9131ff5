#include "dictionary/gestion_bd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillora {
namespace {

TEST(GestionBD, CargarDocumentoRespetaLosRegistrosQueYaHay) {
  GestionBD gestion;
  const auto hombre = gestion.GetEntradas()->Add("hombre");
  const auto varon = gestion.GetEntradas()->Add("varón");
  gestion.CargarDocumento("D1");
  hombre->GetDocumentos()->ItemByText("D1")->SetOmitir(true);

  const auto nueva = gestion.GetEntradas()->Add("niños");
  gestion.CargarDocumento("d1 ");
  gestion.CargarDocumento("D2");
  EXPECT_TRUE(hombre->GetDocumentos()->ItemByText("D1")->GetOmitir());
  EXPECT_EQ(hombre->GetDocumentos()->Count(), 2);
  EXPECT_FALSE(varon->GetDocumentos()->ItemByText("D1")->GetOmitir());
  EXPECT_EQ(nueva->GetDocumentos()->Item(1)->GetIdDocumento(), "d1 ");
  EXPECT_FALSE(nueva->GetDocumentos()->Item(2)->GetOmitir());
}

TEST(GestionBD, DescargarDocumentoQuitaSoloLosRegistrosDeEseDocumento) {
  GestionBD gestion;
  const auto hombre = gestion.GetEntradas()->Add("hombre");
  gestion.CargarDocumento("D1");
  const auto varon = gestion.GetEntradas()->Add("varón");
  gestion.CargarDocumento("D2");
  hombre->GetDocumentos()->ItemByText("D2")->SetOmitir(true);

  gestion.DescargarDocumento("d2 ");
  EXPECT_EQ(hombre->GetDocumentos()->Count(), 1);
  EXPECT_EQ(hombre->GetDocumentos()->Item(1)->GetIdDocumento(), "D1");
  EXPECT_EQ(varon->GetDocumentos()->Count(), 0);
  gestion.DescargarDocumento("D3");
  // A later document with the same key starts with fresh records.
  gestion.CargarDocumento("D2");
  EXPECT_FALSE(hombre->GetDocumentos()->ItemByText("D2")->GetOmitir());
}

}  // namespace
}  // namespace quillora
