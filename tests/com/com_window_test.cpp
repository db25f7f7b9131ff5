#include "com_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "memory_document.h"
#include "memory_window.h"
#include "prueba_com.h"
#include "word/document.h"
#include "word/host_error.h"

namespace quillora::com {
namespace {

using ComWindowTest = PruebaCom;
using ComWindowAntiguoTest = PruebaComAntigua;

TEST_F(ComWindowTest, ReviewersShowAndHide) {
  const auto memoria = word_.AbrirDocumento({"texto"});
  const auto vista = app_->GetActiveDocument()->GetActiveWindow()->GetView();
  EXPECT_EQ(app_->GetActiveWindow()->GetView(), vista);
  const auto quillora = vista->GetReviewers()->Item("Quillora");
  EXPECT_TRUE(quillora->GetVisible());
  quillora->SetVisible(false);
  EXPECT_FALSE(memoria->Window()->View()->ReviewerVisible("Quillora"));
  EXPECT_TRUE(memoria->Window()->View()->ReviewerVisible("Otra persona"));
  EXPECT_FALSE(vista->GetReviewers()->Item("Quillora")->GetVisible());
}

TEST_F(ComWindowAntiguoTest, NoReviewersOnAnOldWord) {
  word_.AbrirDocumento({"texto"});
  const auto vista = app_->GetActiveWindow()->GetView();
  try {
    vista->GetReviewers();
    FAIL() << "no ha fallado";
  } catch (const word::NotSupported& error) {
    EXPECT_THAT(error.what(), ::testing::HasSubstr("Reviewers"));
  }
}

}  // namespace
}  // namespace quillora::com
