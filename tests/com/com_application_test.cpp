#include "com_application.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "aplicacion_com.h"
#include "memory_application.h"
#include "prueba_com.h"
#include "word/document.h"
#include "word/host_error.h"
#include "word/range.h"
#include "word/window.h"

namespace quillora::com {
namespace {

using ComApplicationTest = PruebaCom;
using ::testing::HasSubstr;

TEST_F(ComApplicationTest, DocumentsAndActiveDocument) {
  EXPECT_EQ(app_->GetDocuments()->Count(), 0);
  // Word's own description reaches the message, with the member and Word's error code.
  const auto mensaje = MensajeDeFallo([&] { app_->GetActiveDocument(); });
  EXPECT_THAT(mensaje, HasSubstr("«ActiveDocument»"));
  EXPECT_THAT(mensaje, HasSubstr("no hay ningún documento abierto"));
  EXPECT_THAT(mensaje, HasSubstr("0x800A1066"));
  EXPECT_THROW(app_->GetActiveWindow(), word::HostError);

  word_.AbrirDocumento({"uno"});
  const auto segundo = word_.NuevoDocumento({"dos"});
  EXPECT_EQ(app_->GetDocuments()->Count(), 2);
  const auto activo = app_->GetActiveDocument();
  EXPECT_EQ(activo->Range()->GetText(), "dos\r");
  // The same Word object is the same wrapper while someone holds it.
  EXPECT_EQ(app_->GetActiveDocument(), activo);
  EXPECT_EQ(app_->GetActiveWindow(), activo->GetActiveWindow());
  EXPECT_EQ(activo->Range()->GetParent(), activo);

  word_.Memoria().FailDocumentCount(true);
  EXPECT_THAT(MensajeDeFallo([&] { app_->GetDocuments()->Count(); }),
              HasSubstr("No se han podido contar los documentos abiertos"));
}

TEST_F(ComApplicationTest, SystemTemplateAndScreenTips) {
  const auto sistema = app_->GetSystem();
  sistema->SetCursor(word::Cursor::Espera);
  EXPECT_EQ(word_.Memoria().Cursor(), word::Cursor::Espera);
  EXPECT_EQ(sistema->GetCursor(), word::Cursor::Espera);
  sistema->SetCursor(word::Cursor::Normal);
  EXPECT_EQ(app_->GetSystem()->GetCursor(), word::Cursor::Normal);

  const auto plantilla = app_->GetNormalTemplate();
  plantilla->SetSaved(false);
  EXPECT_FALSE(word_.Memoria().NormalTemplateSaved());
  EXPECT_FALSE(plantilla->GetSaved());
  plantilla->Save();
  EXPECT_EQ(word_.Memoria().NormalTemplateSaves(), 1);
  EXPECT_TRUE(plantilla->GetSaved());

  EXPECT_FALSE(app_->GetDisplayScreenTips());
  app_->SetDisplayScreenTips(true);
  EXPECT_TRUE(word_.Memoria().GetDisplayScreenTips());
  EXPECT_TRUE(app_->GetDisplayScreenTips());
}

TEST_F(ComApplicationTest, WrappersReleaseWhatTheyTook) {
  const auto antes = word_.ObjetosVivos();
  {
    word_.AbrirDocumento({"El niño pidió café."});
    const auto documento = app_->GetActiveDocument();
    for (auto palabra = documento->Range()->GetWords()->GetFirst(); palabra;
         palabra = palabra->Next(word::Unidad::Palabra, 1)) {
      palabra->GetText();
    }
    EXPECT_GT(word_.ObjetosVivos(), antes);
  }
  EXPECT_EQ(word_.ObjetosVivos(), antes);
}

TEST(ComAplicacion, RefusesNoApplication) { EXPECT_THROW(AplicacionCom(nullptr), word::HostError); }

}  // namespace
}  // namespace quillora::com
