#include "memory_application.h"

#include <algorithm>

#include "memory_command_bars.h"
#include "memory_document.h"
#include "memory_window.h"
#include "word/application_events.h"
#include "word/document.h"
#include "word/host_error.h"

namespace quillora::memory {

// System cursor and Normal template: small objects Word hands out and keeps.
class MemoryApplication::State final : public word::System, public word::Template {
 public:
  word::Cursor GetCursor() const override { return cursor; }
  void SetCursor(word::Cursor value) override { cursor = value; }
  bool GetSaved() const override { return saved; }
  void SetSaved(bool value) override { saved = value; }
  void Save() override {
    ++saves;
    saved = true;
  }

  word::Cursor cursor = word::Cursor::Normal;
  bool saved = true;
  int saves = 0;
};

namespace {

class MemoryDocuments final : public word::Documents {
 public:
  explicit MemoryDocuments(std::shared_ptr<const MemoryApplication> application)
      : application_(std::move(application)) {}
  std::int32_t Count() const override { return application_->DocumentCount(); }

 private:
  std::shared_ptr<const MemoryApplication> application_;
};

}  // namespace

MemoryApplication::MemoryApplication(MemoryWordOptions options)
    : options_(std::move(options)),
      state_(std::make_shared<State>()),
      commandBars_(
          std::make_shared<MemoryCommandBars>(options_.builtInBars, options_.buttonPictures)) {}

MemoryApplication::~MemoryApplication() {
  for (const auto& document : documents_) document->Close();
}

std::shared_ptr<word::Documents> MemoryApplication::GetDocuments() const {
  return std::make_shared<MemoryDocuments>(shared_from_this());
}

std::int32_t MemoryApplication::DocumentCount() const {
  if (failDocumentCount_) throw word::HostError("No se han podido contar los documentos abiertos");
  return static_cast<std::int32_t>(documents_.size());
}

std::shared_ptr<word::Document> MemoryApplication::GetActiveDocument() const {
  if (failActiveDocument_) throw word::HostError("Word no ha podido dar el documento activo");
  if (!active_) {
    throw word::HostError("Este comando no está disponible porque no hay ningún documento abierto");
  }
  return active_;
}

std::shared_ptr<word::Window> MemoryApplication::GetActiveWindow() const {
  if (!active_) throw word::HostError("No hay ninguna ventana abierta");
  return active_->Window();
}

std::shared_ptr<word::System> MemoryApplication::GetSystem() const { return state_; }
std::shared_ptr<word::Template> MemoryApplication::GetNormalTemplate() const { return state_; }

std::shared_ptr<word::CommandBars> MemoryApplication::GetCommandBars() const {
  return commandBars_;
}

void MemoryApplication::Advise(const std::shared_ptr<word::ApplicationEvents>& sink) {
  sinks_.push_back(sink);
}

void MemoryApplication::Unadvise(const std::shared_ptr<word::ApplicationEvents>& sink) {
  std::erase(sinks_, sink);
}

void MemoryApplication::Raise(std::function<void(word::ApplicationEvents&)> event) {
  pending_.push_back(std::move(event));
  if (raising_) return;
  raising_ = true;
  while (!pending_.empty()) {
    const auto next = std::move(pending_.front());
    pending_.pop_front();
    const auto sinks = sinks_;  // a handler may disconnect
    for (const auto& sink : sinks) next(*sink);
  }
  raising_ = false;
}

void MemoryApplication::AddDocument(const std::shared_ptr<MemoryDocument>& document) {
  if (std::find(documents_.begin(), documents_.end(), document) != documents_.end()) {
    throw word::HostError("El documento ya está abierto");
  }
  documents_.push_back(document);
  active_ = document;
}

std::shared_ptr<MemoryDocument> MemoryApplication::OpenDocument(
    const std::vector<std::string>& paragraphs) {
  auto document = MemoryDocument::Create(paragraphs, options_.perReviewerViews);
  OpenDocument(document);
  return document;
}

void MemoryApplication::OpenDocument(const std::shared_ptr<MemoryDocument>& document) {
  if (std::find(documents_.begin(), documents_.end(), document) != documents_.end()) {
    throw word::HostError("El documento ya está abierto");
  }
  documents_.push_back(document);
  active_ = document;
  Raise([document](word::ApplicationEvents& sink) { sink.DocumentOpen(document); });
  Raise([document](word::ApplicationEvents& sink) {
    sink.WindowActivate(document, document->Window());
  });
}

std::shared_ptr<MemoryDocument> MemoryApplication::NewDocument(
    const std::vector<std::string>& paragraphs) {
  auto document = MemoryDocument::Create(paragraphs, options_.perReviewerViews);
  AddDocument(document);
  Raise([document](word::ApplicationEvents& sink) { sink.NewDocument(document); });
  Raise([document](word::ApplicationEvents& sink) {
    sink.WindowActivate(document, document->Window());
  });
  return document;
}

void MemoryApplication::Activate(const std::shared_ptr<MemoryDocument>& document) {
  if (std::find(documents_.begin(), documents_.end(), document) == documents_.end()) {
    throw word::HostError("El documento no está abierto");
  }
  active_ = document;
  Raise([document](word::ApplicationEvents& sink) {
    sink.WindowActivate(document, document->Window());
  });
}

bool MemoryApplication::CloseDocument(const std::shared_ptr<MemoryDocument>& document) {
  if (std::find(documents_.begin(), documents_.end(), document) == documents_.end()) {
    throw word::HostError("El documento no está abierto");
  }
  auto cancel = std::make_shared<bool>(false);
  Raise([document, cancel](word::ApplicationEvents& sink) {
    sink.DocumentBeforeClose(document, *cancel);
  });
  if (*cancel) return false;
  std::erase(documents_, document);
  document->Close();
  if (active_ == document) {
    active_ = documents_.empty() ? nullptr : documents_.back();
    if (active_) Activate(active_);
  }
  return true;
}

bool MemoryApplication::RightClick(const std::shared_ptr<MemoryDocument>& document,
                                   std::int32_t start, std::int32_t end) {
  document->Window()->Selection()->Select(start, end);
  auto cancel = std::make_shared<bool>(false);
  auto selection = document->Window()->Selection();
  Raise([selection, cancel](word::ApplicationEvents& sink) {
    sink.WindowBeforeRightClick(selection, *cancel);
  });
  return *cancel;
}

void MemoryApplication::Quit() {
  Raise([](word::ApplicationEvents& sink) { sink.Quit(); });
}

word::Cursor MemoryApplication::Cursor() const { return state_->cursor; }
bool MemoryApplication::NormalTemplateSaved() const { return state_->saved; }
int MemoryApplication::NormalTemplateSaves() const { return state_->saves; }

}  // namespace quillora::memory
