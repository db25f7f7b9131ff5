#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "word/document.h"

namespace quillora::memory {

class CommentData;
class MemoryWindow;
class Story;

// A document of the in-memory Word: a main text of paragraphs, its comments in document order,
// and one window.
class MemoryDocument final : public word::Document,
                             public std::enable_shared_from_this<MemoryDocument> {
 public:
  // Each paragraph gets its paragraph mark; a paragraph holding "\r" becomes several.
  static std::shared_ptr<MemoryDocument> Create(const std::vector<std::string>& paragraphs,
                                                bool perReviewerViews = true);
  // The main text as Word holds it, each paragraph ended by '\r'; an empty text still gets
  // the final paragraph mark.
  static std::shared_ptr<MemoryDocument> CreateFromText(std::u16string text,
                                                        bool perReviewerViews = true);
  ~MemoryDocument() override;

  std::shared_ptr<word::Comments> GetComments() const override;
  std::shared_ptr<word::Window> GetActiveWindow() const override;
  std::shared_ptr<word::Range> Range() const override;
  std::shared_ptr<word::Range> Range(std::int32_t start, std::int32_t end) const override;

  // Host side.
  const std::shared_ptr<Story>& MainStory() const { return main_; }
  std::string MainText() const;
  std::shared_ptr<MemoryWindow> Window() const { return window_; }
  const std::vector<std::shared_ptr<CommentData>>& CommentList() const;
  std::int32_t CommentCount() const {
    return static_cast<std::int32_t>(comments_.size() - removed_);
  }
  // The comment at 0-based `index` of CommentList(); in order, each call costs no more than the
  // distance from the one before, so a walk that deletes as it goes stays linear.
  const std::shared_ptr<CommentData>& CommentAt(std::int32_t index) const;
  // Adding comments fails once what they cost passes `budget` (the host's memory bound); each
  // costs `cost(text)`.
  void SetCommentBudget(std::uint64_t budget, std::function<std::uint64_t(std::string_view)> cost);
  std::shared_ptr<CommentData> AddComment(std::int32_t start, std::int32_t end,
                                          const std::string& text);
  void RemoveComment(const CommentData& comment);
  // The comments whose text (not empty) lies wholly within [start, end).
  std::vector<std::shared_ptr<CommentData>> CommentsWithin(std::int32_t start,
                                                           std::int32_t end) const;
  // A closed document fails every operation, as Word's objects do once the document is gone.
  void Close();
  void CheckOpen() const;
  std::size_t MemoryUsed() const;

 private:
  explicit MemoryDocument(std::u16string text);
  void CheckSpan(std::int32_t start, std::int32_t end) const;
  void Compact() const;

  std::shared_ptr<Story> main_;
  // Removed comments leave an empty place until more than half are empty, so that deleting
  // thousands one by one does not move the rest each time.
  mutable std::vector<std::shared_ptr<CommentData>> comments_;
  mutable std::size_t removed_ = 0;
  // The last place CommentAt answered: index among the comments, and place in comments_.
  mutable std::size_t cursorIndex_ = 0;
  mutable std::size_t cursorPlace_ = 0;
  std::uint64_t budget_ = 0;
  std::function<std::uint64_t(std::string_view)> cost_;
  std::shared_ptr<MemoryWindow> window_;
  bool closed_ = false;
};

}  // namespace quillora::memory
