#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "story.h"
#include "word/comment.h"

namespace quillora::memory {

class MemoryDocument;

// What a comment is: its scope over the main text, its own text, author and initials.
class CommentData {
 public:
  CommentData(std::shared_ptr<Story> main, std::int32_t start, std::int32_t end,
              const std::string& text);

  const LiveSpan& Scope() const { return scope_; }
  const std::shared_ptr<Story>& TextStory() const { return text_; }
  std::string Text() const;
  std::string author;
  std::string initials;

  bool Deleted() const { return deleted_; }
  void MarkDeleted() { deleted_ = true; }

 private:
  std::shared_ptr<Story> main_;  // declared before scope_, which lives in it
  LiveSpan scope_;
  std::shared_ptr<Story> text_;
  bool deleted_ = false;
};

class MemoryComment final : public word::Comment {
 public:
  MemoryComment(std::shared_ptr<MemoryDocument> document, std::shared_ptr<CommentData> data);

  std::string GetInitial() const override;
  void SetInitial(const std::string& iniciales) override;
  std::string GetAuthor() const override;
  void SetAuthor(const std::string& autor) override;
  std::shared_ptr<word::Range> GetScope() const override;
  std::shared_ptr<word::Range> GetRange() const override;
  void Delete() override;

 private:
  CommentData& Data() const;

  std::weak_ptr<MemoryDocument> document_;
  std::shared_ptr<CommentData> data_;
};

// The comments of a document, or those whose scope meets a live stretch of its main text;
// evaluated at each call, as Word's collections are.
class MemoryComments final : public word::Comments {
 public:
  // Without a stretch: all the document's comments.
  MemoryComments(std::shared_ptr<MemoryDocument> document,
                 std::shared_ptr<const LiveSpan> within = nullptr);

  std::int32_t Count() const override;
  std::shared_ptr<word::Comment> Item(std::int32_t index) const override;
  std::shared_ptr<word::Comment> Add(const word::Range& scope, const std::string& texto) override;

 private:
  bool Includes(const CommentData& comment) const;

  std::shared_ptr<MemoryDocument> document_;
  std::shared_ptr<const LiveSpan> within_;
};

}  // namespace quillora::memory
