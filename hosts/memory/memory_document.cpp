#include "memory_document.h"

#include <algorithm>

#include "common/texto_unicode.h"
#include "memory_comment.h"
#include "memory_range.h"
#include "memory_window.h"
#include "story.h"
#include "word/host_error.h"

namespace quillora::memory {

std::shared_ptr<MemoryDocument> MemoryDocument::Create(const std::vector<std::string>& paragraphs,
                                                       bool perReviewerViews) {
  std::u16string text;
  for (const auto& paragraph : paragraphs) {
    text.append(texto::Utf8AUtf16(paragraph));
    text.push_back(u'\r');
  }
  if (text.empty()) text.push_back(u'\r');  // an empty document still holds its final mark
  auto document = std::shared_ptr<MemoryDocument>(new MemoryDocument(std::move(text)));
  document->window_ = std::make_shared<MemoryWindow>(document, perReviewerViews);
  return document;
}

MemoryDocument::MemoryDocument(std::u16string text)
    : main_(std::make_shared<Story>(std::move(text))) {}

MemoryDocument::~MemoryDocument() = default;

std::shared_ptr<word::Comments> MemoryDocument::GetComments() const {
  CheckOpen();
  return std::make_shared<MemoryComments>(
      std::const_pointer_cast<MemoryDocument>(shared_from_this()));
}

std::shared_ptr<word::Window> MemoryDocument::GetActiveWindow() const {
  CheckOpen();
  return window_;
}

std::shared_ptr<word::Range> MemoryDocument::Range() const { return Range(0, main_->Length()); }

std::shared_ptr<word::Range> MemoryDocument::Range(std::int32_t start, std::int32_t end) const {
  CheckOpen();
  CheckSpan(start, end);
  return std::make_shared<MemoryRange>(std::const_pointer_cast<MemoryDocument>(shared_from_this()),
                                       main_, start, end);
}

std::string MemoryDocument::MainText() const { return texto::Utf16AUtf8(main_->Text()); }

std::shared_ptr<CommentData> MemoryDocument::AddComment(std::int32_t start, std::int32_t end,
                                                        const std::string& text) {
  CheckOpen();
  CheckSpan(start, end);
  auto comment = std::make_shared<CommentData>(main_, start, end, text);
  // Comments stay in the order of their scopes; a new one goes after those starting with it.
  const auto place = std::upper_bound(comments_.begin(), comments_.end(), start,
                                      [](std::int32_t pos, const std::shared_ptr<CommentData>& c) {
                                        return pos < c->Scope().start;
                                      });
  comments_.insert(place, comment);
  return comment;
}

void MemoryDocument::RemoveComment(const CommentData& comment) {
  std::erase_if(comments_, [&comment](const auto& c) { return c.get() == &comment; });
}

std::vector<std::shared_ptr<CommentData>> MemoryDocument::CommentsWithin(std::int32_t start,
                                                                         std::int32_t end) const {
  std::vector<std::shared_ptr<CommentData>> within;
  for (const auto& comment : comments_) {
    const auto& scope = comment->Scope();
    if (scope.start < scope.end && start <= scope.start && scope.end <= end) {
      within.push_back(comment);
    }
  }
  return within;
}

void MemoryDocument::Close() {
  closed_ = true;
  for (const auto& comment : comments_) comment->MarkDeleted();
  comments_.clear();
}

void MemoryDocument::CheckOpen() const {
  if (closed_) throw word::HostError("El documento está cerrado");
}

void MemoryDocument::CheckSpan(std::int32_t start, std::int32_t end) const {
  if (start < 0 || end < start || end > main_->Length()) {
    throw word::HostError("El intervalo " + std::to_string(start) + "-" + std::to_string(end) +
                          " está fuera del documento");
  }
}

std::size_t MemoryDocument::MemoryUsed() const { return sizeof(*this) + main_->MemoryUsed(); }

}  // namespace quillora::memory
