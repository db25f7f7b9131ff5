#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "word/application.h"

namespace quillora::memory {

class MemoryCommandBars;
class MemoryDocument;

// What the simulated Word offers; an old Office lacks per-reviewer views and button pictures.
struct MemoryWordOptions {
  bool perReviewerViews = true;
  bool buttonPictures = true;
  std::vector<std::string> builtInBars = {"Text",   "Table Text", "Comment",
                                          "Lists",  "Headings",   "Hyperlink Context Menu",
                                          "Fields", "Standard",   "Formatting"};
};

// The in-memory Word application, created with std::make_shared. Host-side operations play the
// user's part (open, create, activate, close documents, right-click, quit) and raise Word's events
// one at a time: an event raised while a handler runs waits until that handler returns.
class MemoryApplication final : public word::Application,
                                public std::enable_shared_from_this<MemoryApplication> {
 public:
  explicit MemoryApplication(MemoryWordOptions options = {});
  ~MemoryApplication() override;

  std::shared_ptr<word::Documents> GetDocuments() const override;
  std::shared_ptr<word::Document> GetActiveDocument() const override;
  std::shared_ptr<word::Window> GetActiveWindow() const override;
  std::shared_ptr<word::System> GetSystem() const override;
  std::shared_ptr<word::Template> GetNormalTemplate() const override;
  bool GetDisplayScreenTips() const override { return displayScreenTips_; }
  void SetDisplayScreenTips(bool mostrar) override { displayScreenTips_ = mostrar; }
  std::shared_ptr<word::CommandBars> GetCommandBars() const override;
  void Advise(const std::shared_ptr<word::ApplicationEvents>& sink) override;
  void Unadvise(const std::shared_ptr<word::ApplicationEvents>& sink) override;

  // Host side.
  std::shared_ptr<MemoryDocument> OpenDocument(const std::vector<std::string>& paragraphs);
  // Opens a document another host built (a .docx read into memory, say).
  void OpenDocument(const std::shared_ptr<MemoryDocument>& document);
  std::shared_ptr<MemoryDocument> NewDocument(const std::vector<std::string>& paragraphs = {});
  void Activate(const std::shared_ptr<MemoryDocument>& document);
  // False when a handler cancelled the close (an event raised from inside a handler is
  // answered only once that handler returns, so there it cannot cancel).
  bool CloseDocument(const std::shared_ptr<MemoryDocument>& document);
  // Selects the stretch and raises the right-click event; true when a handler cancelled it.
  bool RightClick(const std::shared_ptr<MemoryDocument>& document, std::int32_t start,
                  std::int32_t end);
  void Quit();

  const std::vector<std::shared_ptr<MemoryDocument>>& OpenDocuments() const { return documents_; }
  std::int32_t DocumentCount() const;
  const std::shared_ptr<MemoryCommandBars>& CommandBars() const { return commandBars_; }
  word::Cursor Cursor() const;
  bool NormalTemplateSaved() const;
  int NormalTemplateSaves() const;
  // Makes asking for the document count fail, as a Word in trouble does.
  void FailDocumentCount(bool fail) { failDocumentCount_ = fail; }
  // Makes asking for the active document fail even when one is open.
  void FailActiveDocument(bool fail) { failActiveDocument_ = fail; }

 private:
  class State;
  void AddDocument(const std::shared_ptr<MemoryDocument>& document);
  void Raise(std::function<void(word::ApplicationEvents&)> event);

  MemoryWordOptions options_;
  std::vector<std::shared_ptr<MemoryDocument>> documents_;
  std::shared_ptr<MemoryDocument> active_;
  std::shared_ptr<State> state_;
  std::shared_ptr<MemoryCommandBars> commandBars_;
  std::vector<std::shared_ptr<word::ApplicationEvents>> sinks_;
  std::deque<std::function<void(word::ApplicationEvents&)>> pending_;
  bool raising_ = false;
  bool displayScreenTips_ = false;
  bool failDocumentCount_ = false;
  bool failActiveDocument_ = false;
};

}  // namespace quillora::memory
