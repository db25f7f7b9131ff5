#include "memory_document.h"

#include <gtest/gtest.h>

#include "memory_comment.h"
#include "word/comment.h"
#include "word/host_error.h"
#include "word/range.h"

namespace quillora::memory {
namespace {

using word::Unidad;

std::vector<std::string> Palabras(const word::Document& documento) {
  std::vector<std::string> palabras;
  for (auto palabra = documento.Range()->GetWords()->GetFirst(); palabra;
       palabra = palabra->Next(Unidad::Palabra, 1)) {
    palabras.push_back(palabra->GetText());
  }
  return palabras;
}

TEST(MemoryDocument, WalksTheMainTextWordByWord) {
  auto documento = MemoryDocument::Create({"El hombre, de la casa.", "Fin"});
  EXPECT_EQ(documento->MainText(), "El hombre, de la casa.\rFin\r");
  const auto palabras = Palabras(*documento);
  EXPECT_EQ(palabras, (std::vector<std::string>{"El ", "hombre", ", ", "de ", "la ", "casa", ".",
                                                "\r", "Fin", "\r"}));
  EXPECT_EQ(documento->Range()->GetWords()->Count(), 10);

  auto hombre = documento->Range()->GetWords()->Item(2);
  EXPECT_EQ(hombre->GetStart(), 3);
  EXPECT_EQ(hombre->GetEnd(), 9);
  EXPECT_EQ(hombre->Previous(Unidad::Palabra, 1)->GetText(), "El ");
  EXPECT_EQ(hombre->Previous(Unidad::Palabra, 2), nullptr);
  EXPECT_EQ(hombre->Next(Unidad::Palabra, 2)->GetText(), "de ");
  EXPECT_EQ(hombre->Next(Unidad::Caracter, 1)->GetText(), ",");
  EXPECT_EQ(hombre->Previous(Unidad::Caracter, 1)->GetText(), " ");
  EXPECT_EQ(documento->Range(0, 0)->Previous(Unidad::Caracter, 1), nullptr);
  EXPECT_EQ(hombre->GetParagraphs()->Item(1)->GetRange()->GetText(), "El hombre, de la casa.\r");
  EXPECT_EQ(documento->Range(24, 25)->GetParagraphs()->Item(1)->GetRange()->GetText(), "Fin\r");
  EXPECT_EQ(documento->Range()->GetParagraphs()->Count(), 2);

  // A stretch over several words: its words are cut to it, and Next goes past its last word.
  auto tramo = documento->Range(4, 12);
  EXPECT_EQ(tramo->GetText(), "ombre, d");
  EXPECT_EQ(tramo->GetWords()->Count(), 3);
  EXPECT_EQ(tramo->GetWords()->GetFirst()->GetText(), "ombre");
  EXPECT_EQ(tramo->Next(Unidad::Palabra, 1)->GetText(), "la ");
  EXPECT_THROW(tramo->GetWords()->Item(4), word::HostError);
  EXPECT_THROW(documento->Range(5, 4), word::HostError);
  EXPECT_THROW(documento->Range(0, 100), word::HostError);
  EXPECT_THROW(tramo->Next(Unidad::Palabra, 0), word::HostError);
}

TEST(MemoryDocument, CountsPositionsInUtf16Units) {
  auto documento = MemoryDocument::Create({"\xF0\x9F\x98\x80 niña"});
  auto nina = documento->Range()->GetWords()->Item(2);
  EXPECT_EQ(nina->GetText(), "niña");
  EXPECT_EQ(nina->GetStart(), 3);
  EXPECT_EQ(nina->GetEnd(), 7);
  EXPECT_EQ(documento->Range(0, 2)->GetText(), "\xF0\x9F\x98\x80");
}

TEST(MemoryDocument, RangesLiveThroughEdits) {
  auto documento = MemoryDocument::Create({"los niños y las niñas"});
  auto palabras = documento->Range()->GetWords();
  auto ninos = palabras->Item(2);
  auto ninas = palabras->Item(5);
  auto todo = documento->Range();

  ninos->SetText("la infancia ");
  EXPECT_EQ(ninos->GetText(), "la infancia ");  // the written range covers the new text
  EXPECT_EQ(ninas->GetText(), "niñas");         // a later range moved with the edit
  EXPECT_EQ(todo->GetText(), "los la infancia y las niñas\r");
  EXPECT_EQ(palabras->Count(), 7);  // collections are read at each call

  // Writing the whole text keeps the final paragraph mark, as Word does.
  todo->SetText("nada");
  EXPECT_EQ(documento->MainText(), "nada\r");
  EXPECT_EQ(ninas->GetStart(), 4);
  EXPECT_EQ(ninas->GetEnd(), 4);
  ninos->SetRange(0, 2);
  EXPECT_EQ(ninos->GetText(), "na");
  EXPECT_THROW(ninos->SetRange(0, 6), word::HostError);
}

TEST(MemoryDocument, KeepsCommentsInDocumentOrder) {
  auto documento = MemoryDocument::Create({"uno dos tres cuatro"});
  auto comentarios = documento->GetComments();
  auto palabras = documento->Range()->GetWords();
  auto tres = comentarios->Add(*palabras->Item(3), "c3");
  auto uno = comentarios->Add(*palabras->Item(1), "c1");
  auto dos = comentarios->Add(*palabras->Item(2), "c2");
  uno->SetInitial("QKV");
  uno->SetAuthor("Quillora");
  ASSERT_EQ(comentarios->Count(), 3);
  EXPECT_EQ(comentarios->Item(1)->GetInitial(), "QKV");
  EXPECT_EQ(comentarios->Item(1)->GetAuthor(), "Quillora");
  EXPECT_EQ(comentarios->Item(2)->GetRange()->GetText(), "c2");
  EXPECT_EQ(comentarios->Item(3)->GetScope()->GetText(), "tres ");
  EXPECT_EQ(comentarios->Item(1)->GetRange()->GetParent(), documento);

  // Deleting moves the later comments down by one; the deleted one fails when used.
  comentarios->Item(1)->Delete();
  EXPECT_EQ(comentarios->Count(), 2);
  EXPECT_EQ(comentarios->Item(1)->GetRange()->GetText(), "c2");
  EXPECT_THROW(uno->GetInitial(), word::HostError);
  EXPECT_THROW(uno->Delete(), word::HostError);
  EXPECT_THROW(comentarios->Item(3), word::HostError);
  EXPECT_THROW(comentarios->Item(0), word::HostError);

  // A range's comments are those whose scope meets it; scopes follow edits.
  EXPECT_EQ(palabras->Item(2)->GetComments()->Count(), 1);
  EXPECT_EQ(documento->Range(0, 3)->GetComments()->Count(), 0);
  EXPECT_EQ(documento->Range(10, 10)->GetComments()->Count(), 1);
  documento->Range(0, 0)->SetText("cero ");
  EXPECT_EQ(dos->GetScope()->GetText(), "dos ");
  EXPECT_EQ(tres->GetScope()->GetStart(), 13);

  // Comments starting at the same place keep the order they were added in.
  comentarios->Add(*palabras->Item(2), "c2 después");
  ASSERT_EQ(comentarios->Count(), 3);
  EXPECT_EQ(comentarios->Item(1)->GetRange()->GetText(), "c2");
  EXPECT_EQ(comentarios->Item(2)->GetRange()->GetText(), "c2 después");

  auto otro = MemoryDocument::Create({"otro"});
  EXPECT_THROW(comentarios->Add(*otro->Range(), "x"), word::HostError);
  EXPECT_THROW(comentarios->Add(*dos->GetRange(), "x"), word::HostError);
}

// The walks the add-in makes over thousands of comments (read by number, delete some as it
// goes) must see each comment once and in order, whatever else deletes comments meanwhile.
TEST(MemoryDocument, DeletingWhileWalkingByNumberKeepsTheOrder) {
  auto documento = MemoryDocument::Create({std::string(600, 'a')});
  auto comentarios = documento->GetComments();
  for (int i = 0; i < 300; ++i) {
    comentarios->Add(*documento->Range(2 * i, 2 * i + 1), std::to_string(i))
        ->SetInitial(i % 3 == 0 ? "U" : "QKV");
  }
  // Delete every mark, as the processing run does before marking again.
  for (std::int32_t i = 1; i <= comentarios->Count();) {
    const auto comentario = comentarios->Item(i);
    if (comentario->GetInitial() == "QKV") {
      comentario->Delete();
    } else {
      ++i;
    }
  }
  ASSERT_EQ(comentarios->Count(), 100);
  // Deleting a comment before the place last read, then reading on.
  const auto tres = comentarios->Item(2);
  EXPECT_EQ(comentarios->Item(50)->GetRange()->GetText(), "147");
  tres->Delete();
  ASSERT_EQ(comentarios->Count(), 99);
  EXPECT_EQ(comentarios->Item(50)->GetRange()->GetText(), "150");
  EXPECT_EQ(comentarios->Item(2)->GetRange()->GetText(), "6");
  documento->Range(18, 19)->SetText("");  // the text under a comment goes with it
  EXPECT_EQ(comentarios->Item(4)->GetRange()->GetText(), "15");
  std::vector<std::string> textos;
  for (const auto& comentario : documento->CommentList()) textos.push_back(comentario->Text());
  ASSERT_EQ(textos.size(), 98u);
  EXPECT_EQ(textos.front(), "0");
  EXPECT_EQ(textos[2], "12");
  EXPECT_EQ(textos.back(), "297");
  comentarios->Add(*documento->Range(1, 2), "nuevo");
  EXPECT_EQ(comentarios->Item(2)->GetRange()->GetText(), "nuevo");

  // The host's bound on comments: adding past it fails and adds nothing.
  documento->SetCommentBudget(9, [](std::string_view texto) { return texto.size(); });
  comentarios->Add(*documento->Range(0, 1), "cabe");
  comentarios->Add(*documento->Range(0, 1), "justo");
  EXPECT_THROW(comentarios->Add(*documento->Range(0, 1), "x"), word::HostError);
  EXPECT_EQ(comentarios->Count(), 101);
}

TEST(MemoryDocument, TheEndOfTheMainTextBehavesAsInWord) {
  auto documento = MemoryDocument::Create({"Uno dos", "tres"});
  const auto fin =
      documento->Range(documento->MainStory()->Length(), documento->MainStory()->Length());
  // An insertion point after the final mark is in the last word and the last paragraph.
  ASSERT_EQ(fin->GetWords()->Count(), 1);
  EXPECT_EQ(fin->GetWords()->Item(1)->GetText(), "\r");
  ASSERT_EQ(fin->GetParagraphs()->Count(), 1);
  EXPECT_EQ(fin->GetParagraphs()->Item(1)->GetRange()->GetText(), "tres\r");
  // Text written there goes before the final mark.
  fin->SetText(" cuatro");
  EXPECT_EQ(documento->MainText(), "Uno dos\rtres cuatro\r");
  EXPECT_EQ(fin->GetText(), " cuatro");

  // Deleting all the text a comment covers deletes it; deleting part of it does not.
  const auto entero = documento->AddComment(0, 3, "de Ana");
  const auto parcial = documento->AddComment(4, 7, "de Luis");
  const auto vacio = documento->AddComment(8, 8, "en un punto");
  documento->Range(0, 4)->SetText("");
  documento->Range(0, 1)->SetText("");
  EXPECT_TRUE(entero->Deleted());
  EXPECT_FALSE(parcial->Deleted());
  EXPECT_FALSE(vacio->Deleted());
  ASSERT_EQ(documento->CommentList().size(), 2u);
  EXPECT_EQ(documento->CommentList()[0]->Text(), "de Luis");
  // Replacing the text keeps the comment.
  documento->Range(0, 2)->SetText("XY");
  EXPECT_FALSE(parcial->Deleted());
}

TEST(MemoryDocument, FailsOnceClosed) {
  auto documento = MemoryDocument::Create({"texto"});
  auto rango = documento->Range();
  auto comentario = documento->GetComments()->Add(*rango, "nota");
  documento->Close();
  EXPECT_THROW(rango->GetText(), word::HostError);
  EXPECT_THROW(documento->Range(), word::HostError);
  EXPECT_THROW(comentario->GetInitial(), word::HostError);
}

}  // namespace
}  // namespace quillora::memory
