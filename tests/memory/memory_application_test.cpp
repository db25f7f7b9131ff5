#include "memory_application.h"

#include <gtest/gtest.h>

#include "memory_document.h"
#include "memory_window.h"
#include "word/application_events.h"
#include "word/comment.h"
#include "word/document.h"
#include "word/host_error.h"
#include "word/range.h"
#include "word/window.h"

namespace quillora::memory {
namespace {

// Writes down every event; can cancel closes and right clicks, and can open a document while
// handling one (to see events wait their turn).
class Registro : public word::ApplicationEvents {
 public:
  explicit Registro(MemoryApplication& word) : word_(word) {}
  void DocumentOpen(const std::shared_ptr<word::Document>& /*doc*/) override {
    eventos.push_back("open");
    if (abrirOtroAlAbrir) {
      abrirOtroAlAbrir = false;
      word_.NewDocument({"otro"});
      eventos.push_back("open-end");
    }
  }
  void NewDocument(const std::shared_ptr<word::Document>& /*doc*/) override {
    eventos.push_back("new");
  }
  void DocumentBeforeClose(const std::shared_ptr<word::Document>& /*doc*/, bool& cancel) override {
    eventos.push_back("close");
    cancel = cancelarCierre;
  }
  void WindowActivate(const std::shared_ptr<word::Document>& /*doc*/,
                      const std::shared_ptr<word::Window>& /*wn*/) override {
    eventos.push_back("activate");
  }
  void WindowBeforeRightClick(const std::shared_ptr<word::Selection>& sel, bool& cancel) override {
    eventos.push_back("right-click:" + std::to_string(sel->GetComments()->Count()));
    cancel = true;
  }
  void Quit() override { eventos.push_back("quit"); }

  std::vector<std::string> eventos;
  bool abrirOtroAlAbrir = false;
  bool cancelarCierre = false;

 private:
  MemoryApplication& word_;
};

using V = std::vector<std::string>;

TEST(MemoryApplication, RaisesEventsOneAtATime) {
  auto word = std::make_shared<MemoryApplication>();
  auto registro = std::make_shared<Registro>(*word);
  word->Advise(registro);
  EXPECT_THROW(word->GetActiveDocument(), word::HostError);
  EXPECT_EQ(word->GetDocuments()->Count(), 0);

  registro->abrirOtroAlAbrir = true;
  auto primero = word->OpenDocument({"uno"});
  // The document opened inside the handler raised its events after the handler returned.
  EXPECT_EQ(registro->eventos, (V{"open", "open-end", "new", "activate", "activate"}));
  EXPECT_EQ(word->GetDocuments()->Count(), 2);
  EXPECT_NE(word->GetActiveDocument(), primero);

  registro->eventos.clear();
  word->Activate(primero);
  EXPECT_EQ(word->GetActiveDocument(), primero);
  registro->cancelarCierre = true;
  EXPECT_FALSE(word->CloseDocument(primero));
  EXPECT_EQ(word->GetDocuments()->Count(), 2);
  registro->cancelarCierre = false;
  EXPECT_TRUE(word->CloseDocument(primero));
  EXPECT_EQ(word->GetDocuments()->Count(), 1);
  EXPECT_THROW(primero->Range(), word::HostError);
  EXPECT_EQ(registro->eventos, (V{"activate", "close", "close", "activate"}));

  word->Unadvise(registro);
  word->Quit();
  EXPECT_EQ(registro->eventos.back(), "activate");
}

TEST(MemoryApplication, RightClickSelectsAndShowsTheSelectionsComments) {
  auto word = std::make_shared<MemoryApplication>();
  auto registro = std::make_shared<Registro>(*word);
  word->Advise(registro);
  auto documento = word->OpenDocument({"los niños juegan"});
  documento->GetComments()->Add(*documento->Range(4, 9), "la infancia");
  EXPECT_TRUE(word->RightClick(documento, 6, 6));    // inside the mark
  EXPECT_TRUE(word->RightClick(documento, 11, 13));  // outside it
  EXPECT_EQ(registro->eventos, (V{"open", "activate", "right-click:1", "right-click:0"}));
  EXPECT_EQ(documento->GetActiveWindow()->GetSelection()->GetStart(), 11);
}

// Hiding one reviewer's comments hides no one else's; a Word without per-reviewer views has none.
TEST(MemoryApplication, OffersPerReviewerViewsLikeWord) {
  auto word = std::make_shared<MemoryApplication>();
  auto documento = word->NewDocument();
  auto revisor = documento->GetActiveWindow()->GetView()->GetReviewers()->Item("Quillora");
  EXPECT_TRUE(revisor->GetVisible());
  revisor->SetVisible(false);
  EXPECT_FALSE(documento->Window()->View()->ReviewerVisible("Quillora"));
  EXPECT_TRUE(documento->Window()->View()->ReviewerVisible("Otra persona"));

  auto antiguo = std::make_shared<MemoryApplication>(MemoryWordOptions{.perReviewerViews = false});
  auto otro = antiguo->NewDocument({"x"});
  EXPECT_THROW(otro->GetActiveWindow()->GetView()->GetReviewers(), word::NotSupported);
}

}  // namespace
}  // namespace quillora::memory
