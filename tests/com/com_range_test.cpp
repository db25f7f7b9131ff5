#include "com_range.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "memory_document.h"
#include "prueba_com.h"
#include "word/document.h"
#include "word/host_error.h"

namespace quillora::com {
namespace {

using ComRangeTest = PruebaCom;
using ::testing::HasSubstr;
using word::Unidad;

TEST_F(ComRangeTest, TextWithAccentsRoundTrips) {
  const auto memoria = word_.AbrirDocumento({"El niño pidió café", "Ñandú 😀"});
  const auto documento = app_->GetActiveDocument();
  EXPECT_EQ(documento->Range()->GetText(), "El niño pidió café\rÑandú 😀\r");
  // Positions count UTF-16 units: the emoji takes two.
  EXPECT_EQ(documento->Range()->GetEnd(), 19 + 9);

  const auto nino = documento->Range(3, 7);
  EXPECT_EQ(nino->GetText(), "niño");
  nino->SetText("señora Núñez");
  EXPECT_EQ(nino->GetText(), "señora Núñez");
  EXPECT_EQ(nino->GetEnd(), 3 + 12);
  EXPECT_EQ(memoria->MainText(), "El señora Núñez pidió café\rÑandú 😀\r");

  nino->SetRange(0, 2);
  EXPECT_EQ(nino->GetStart(), 0);
  EXPECT_EQ(nino->GetText(), "El");
  EXPECT_THROW(nino->SetRange(5, 2), word::HostError);
  EXPECT_THROW(documento->Range(0, 1000), word::HostError);
}

TEST_F(ComRangeTest, WordsParagraphsNextAndPrevious) {
  word_.AbrirDocumento({"Las niñas, los niños.", "Otro"});
  const auto documento = app_->GetActiveDocument();
  const auto palabras = documento->Range()->GetWords();
  EXPECT_EQ(palabras->Count(), 9);
  const auto primera = palabras->GetFirst();
  EXPECT_EQ(primera->GetText(), "Las ");
  EXPECT_EQ(palabras->Item(3)->GetText(), ", ");
  EXPECT_THROW(palabras->Item(10), word::HostError);

  const auto segunda = primera->Next(Unidad::Palabra, 1);
  EXPECT_EQ(segunda->GetText(), "niñas");
  EXPECT_EQ(segunda->Previous(Unidad::Palabra, 1)->GetText(), "Las ");
  EXPECT_EQ(segunda->Next(Unidad::Caracter, 2)->GetText(), " ");
  EXPECT_EQ(primera->Previous(Unidad::Palabra, 1), nullptr);
  EXPECT_EQ(documento->Range(26, 27)->Next(Unidad::Palabra, 1), nullptr);
  EXPECT_THROW(primera->Next(Unidad::Palabra, 0), word::HostError);

  const auto parrafos = documento->Range(3, 25)->GetParagraphs();
  EXPECT_EQ(parrafos->Count(), 2);
  EXPECT_EQ(parrafos->Item(1)->GetRange()->GetText(), "Las niñas, los niños.\r");
  EXPECT_EQ(parrafos->Item(2)->GetRange()->GetStart(), 22);

  // Ranges are live: an edit before one moves it.
  const auto otro = parrafos->Item(2)->GetRange();
  primera->SetText("");
  EXPECT_EQ(otro->GetStart(), 18);
  EXPECT_EQ(otro->GetParent(), documento);
}

TEST_F(ComRangeTest, ClosedDocumentFails) {
  const auto memoria = word_.AbrirDocumento({"uno"});
  const auto rango = app_->GetActiveDocument()->Range();
  word_.CerrarDocumento(memoria);
  const auto mensaje = MensajeDeFallo([&] { rango->GetText(); });
  EXPECT_THAT(mensaje, HasSubstr("«Text»"));
  EXPECT_THAT(mensaje, HasSubstr("El documento está cerrado"));
}

}  // namespace
}  // namespace quillora::com
