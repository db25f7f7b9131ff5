#include "memory_window.h"

#include "memory_comment.h"
#include "memory_document.h"
#include "word/host_error.h"

namespace quillora::memory {

namespace {

class MemoryReviewer final : public word::Reviewer {
 public:
  MemoryReviewer(std::shared_ptr<std::map<std::string, bool>> hidden, std::string name)
      : hidden_(std::move(hidden)), name_(std::move(name)) {}
  bool GetVisible() const override {
    const auto found = hidden_->find(name_);
    return found == hidden_->end() || !found->second;
  }
  void SetVisible(bool visible) override { (*hidden_)[name_] = !visible; }

 private:
  std::shared_ptr<std::map<std::string, bool>> hidden_;
  std::string name_;
};

class MemoryReviewers final : public word::Reviewers {
 public:
  explicit MemoryReviewers(std::shared_ptr<std::map<std::string, bool>> hidden)
      : hidden_(std::move(hidden)) {}
  std::shared_ptr<word::Reviewer> Item(const std::string& nombre) override {
    return std::make_shared<MemoryReviewer>(hidden_, nombre);
  }

 private:
  std::shared_ptr<std::map<std::string, bool>> hidden_;
};

}  // namespace

MemorySelection::MemorySelection(const std::shared_ptr<MemoryDocument>& document)
    : document_(document), story_(document->MainStory()), span_(*story_, 0, 0) {}

std::shared_ptr<word::Comments> MemorySelection::GetComments() const {
  auto document = document_.lock();
  if (!document) throw word::HostError("El documento está cerrado");
  return std::make_shared<MemoryComments>(
      document, std::shared_ptr<const LiveSpan>(shared_from_this(), &span_));
}

void MemorySelection::Select(std::int32_t start, std::int32_t end) {
  if (start < 0 || end < start || end > story_->Length()) {
    throw word::HostError("La selección está fuera del documento");
  }
  span_.start = start;
  span_.end = end;
}

MemoryView::MemoryView(bool perReviewerViews)
    : perReviewerViews_(perReviewerViews),
      hidden_(std::make_shared<std::map<std::string, bool>>()) {}

std::shared_ptr<word::Reviewers> MemoryView::GetReviewers() {
  if (!perReviewerViews_) throw word::NotSupported("Reviewers");
  return std::make_shared<MemoryReviewers>(hidden_);
}

bool MemoryView::ReviewerVisible(const std::string& nombre) const {
  return MemoryReviewer(hidden_, nombre).GetVisible();
}

MemoryWindow::MemoryWindow(const std::shared_ptr<MemoryDocument>& document, bool perReviewerViews)
    : selection_(std::make_shared<MemorySelection>(document)),
      view_(std::make_shared<MemoryView>(perReviewerViews)) {}

}  // namespace quillora::memory
