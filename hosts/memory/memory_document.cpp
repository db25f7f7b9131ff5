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
  return CreateFromText(std::move(text), perReviewerViews);
}

std::shared_ptr<MemoryDocument> MemoryDocument::CreateFromText(std::u16string text,
                                                               bool perReviewerViews) {
  if (text.empty()) text.push_back(u'\r');
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

const std::vector<std::shared_ptr<CommentData>>& MemoryDocument::CommentList() const {
  Compact();
  return comments_;
}

void MemoryDocument::Compact() const {
  if (removed_ == 0) return;
  std::erase(comments_, nullptr);
  removed_ = 0;
  cursorIndex_ = cursorPlace_ = 0;
}

const std::shared_ptr<CommentData>& MemoryDocument::CommentAt(std::int32_t index) const {
  if (index < 0 || index >= CommentCount()) {
    throw word::HostError("No existe el comentario " + std::to_string(index + 1));
  }
  const auto buscado = static_cast<std::size_t>(index);
  if (removed_ == 0) {
    cursorIndex_ = cursorPlace_ = buscado;
    return comments_[buscado];
  }
  if (buscado < cursorIndex_) cursorIndex_ = cursorPlace_ = 0;
  // The cursor's place may have been emptied since: step to the next comment.
  while (comments_[cursorPlace_] == nullptr) ++cursorPlace_;
  while (cursorIndex_ < buscado) {
    do {
      ++cursorPlace_;
    } while (comments_[cursorPlace_] == nullptr);
    ++cursorIndex_;
  }
  return comments_[cursorPlace_];
}

std::shared_ptr<CommentData> MemoryDocument::AddComment(std::int32_t start, std::int32_t end,
                                                        const std::string& text) {
  CheckOpen();
  CheckSpan(start, end);
  if (cost_) {
    const auto cost = cost_(text);
    if (cost > budget_) {
      throw word::HostError(
          "No caben más comentarios en el documento sin agotar la memoria (tiene " +
          std::to_string(CommentCount()) + "); divídalo en partes más pequeñas");
    }
    budget_ -= cost;
  }
  Compact();
  auto comment = std::make_shared<CommentData>(main_, start, end, text);
  // Comments stay in the order of their scopes; a new one goes after those starting with it.
  const auto place = std::upper_bound(comments_.begin(), comments_.end(), start,
                                      [](std::int32_t pos, const std::shared_ptr<CommentData>& c) {
                                        return pos < c->Scope().start;
                                      });
  comments_.insert(place, comment);
  cursorIndex_ = cursorPlace_ = 0;
  return comment;
}

void MemoryDocument::SetCommentBudget(std::uint64_t budget,
                                      std::function<std::uint64_t(std::string_view)> cost) {
  budget_ = budget;
  cost_ = std::move(cost);
}

void MemoryDocument::RemoveComment(const CommentData& comment) {
  // Usually the comment just reached by CommentAt.
  auto place = comments_.begin() + static_cast<std::ptrdiff_t>(cursorPlace_);
  if (cursorPlace_ >= comments_.size() || place->get() != &comment) {
    place = std::find_if(comments_.begin(), comments_.end(),
                         [&comment](const auto& c) { return c.get() == &comment; });
    if (place == comments_.end()) return;
    // One fewer comment before the cursor would leave it pointing one too far.
    if (place < comments_.begin() + static_cast<std::ptrdiff_t>(cursorPlace_))
      cursorIndex_ = cursorPlace_ = 0;
  }
  place->reset();
  ++removed_;
  if (removed_ * 2 > comments_.size()) Compact();
}

std::vector<std::shared_ptr<CommentData>> MemoryDocument::CommentsWithin(std::int32_t start,
                                                                         std::int32_t end) const {
  std::vector<std::shared_ptr<CommentData>> within;
  for (const auto& comment : CommentList()) {
    const auto& scope = comment->Scope();
    if (scope.start < scope.end && start <= scope.start && scope.end <= end) {
      within.push_back(comment);
    }
  }
  return within;
}

void MemoryDocument::Close() {
  closed_ = true;
  for (const auto& comment : CommentList()) comment->MarkDeleted();
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
