#include "com_comment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "memory_comment.h"
#include "memory_document.h"
#include "prueba_com.h"
#include "word/document.h"
#include "word/host_error.h"
#include "word/range.h"
#include "word/window.h"

namespace quillora::com {
namespace {

using ComCommentTest = PruebaCom;
using ::testing::HasSubstr;

TEST_F(ComCommentTest, AddReadAndDelete) {
  const auto memoria = word_.AbrirDocumento({"Los niños y las niñas"});
  const auto documento = app_->GetActiveDocument();
  const auto comentarios = documento->GetComments();
  EXPECT_EQ(comentarios->Count(), 0);

  const auto marca = comentarios->Add(*documento->Range(4, 9), "la infancia\r\nlos menores");
  marca->SetAuthor("Quillora");
  marca->SetInitial("QKV");
  const auto otro = comentarios->Add(*documento->Range(0, 3), "señalado por Íñigo");
  EXPECT_EQ(comentarios->Count(), 2);

  // Comments come in document order.
  const auto primero = comentarios->Item(1);
  EXPECT_EQ(primero->GetInitial(), "U");
  EXPECT_EQ(primero->GetRange()->GetText(), "señalado por Íñigo");
  const auto segundo = comentarios->Item(2);
  EXPECT_EQ(segundo->GetInitial(), "QKV");
  EXPECT_EQ(segundo->GetAuthor(), "Quillora");
  EXPECT_EQ(segundo->GetScope()->GetText(), "niños");
  EXPECT_EQ(segundo->GetScope()->GetStart(), 4);
  EXPECT_EQ(segundo->GetRange()->GetText(), "la infancia\r\nlos menores");
  EXPECT_EQ(segundo->GetRange()->GetParent(), documento);
  EXPECT_EQ(memoria->CommentList().at(1)->initials, "QKV");
  EXPECT_THROW(comentarios->Item(3), word::HostError);

  // The comments of a stretch.
  EXPECT_EQ(documento->Range(5, 6)->GetComments()->Count(), 1);
  EXPECT_EQ(documento->Range(5, 6)->GetComments()->Item(1)->GetInitial(), "QKV");

  primero->Delete();
  EXPECT_EQ(comentarios->Count(), 1);
  EXPECT_EQ(comentarios->Item(1)->GetInitial(), "QKV");
  // The same comment reached another way is deleted too.
  EXPECT_THAT(MensajeDeFallo([&] { otro->GetAuthor(); }),
              HasSubstr("El comentario se ha eliminado"));
}

TEST_F(ComCommentTest, SelectionComments) {
  const auto memoria = word_.AbrirDocumento({"Los niños y las niñas"});
  const auto documento = app_->GetActiveDocument();
  documento->GetComments()->Add(*documento->Range(4, 9), "la infancia");
  word_.ClicDerecho(memoria, 5, 7);
  const auto seleccion = documento->GetActiveWindow()->GetSelection();
  EXPECT_EQ(seleccion->GetStart(), 5);
  EXPECT_EQ(seleccion->GetEnd(), 7);
  EXPECT_EQ(seleccion->GetComments()->Count(), 1);
  EXPECT_EQ(seleccion->GetComments()->Item(1)->GetScope()->GetText(), "niños");
  word_.ClicDerecho(memoria, 12, 15);
  EXPECT_EQ(seleccion->GetComments()->Count(), 0);
}

TEST_F(ComCommentTest, RangeOfAnotherHostIsRefused) {
  const auto memoria = word_.AbrirDocumento({"Los niños"});
  const auto comentarios = app_->GetActiveDocument()->GetComments();
  EXPECT_THROW(comentarios->Add(*memoria->Range(0, 3), "texto"), word::HostError);
  EXPECT_EQ(comentarios->Count(), 0);
}

}  // namespace
}  // namespace quillora::com
