#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "story.h"
#include "word/range.h"

namespace quillora::memory {

class MemoryDocument;

// A live range over one story of a document.
class MemoryRange final : public word::Range, public std::enable_shared_from_this<MemoryRange> {
 public:
  MemoryRange(std::shared_ptr<MemoryDocument> document, std::shared_ptr<Story> story,
              std::int32_t start, std::int32_t end);

  std::string GetText() const override;
  void SetText(const std::string& texto) override;
  std::int32_t GetStart() const override { return span_.start; }
  std::int32_t GetEnd() const override { return span_.end; }
  void SetRange(std::int32_t start, std::int32_t end) override;
  std::shared_ptr<word::Words> GetWords() const override;
  std::shared_ptr<word::Paragraphs> GetParagraphs() const override;
  std::shared_ptr<word::Comments> GetComments() const override;
  std::shared_ptr<word::Document> GetParent() const override;
  std::shared_ptr<word::Range> Next(word::Unidad unidad, std::int32_t count) const override;
  std::shared_ptr<word::Range> Previous(word::Unidad unidad, std::int32_t count) const override;

  const std::shared_ptr<MemoryDocument>& Document() const { return document_; }
  const std::shared_ptr<Story>& StoryPtr() const { return story_; }

 private:
  std::shared_ptr<word::Range> Make(std::int32_t start, std::int32_t end) const;
  bool IsMainStory() const;
  // Keeps this range alive for a collection that follows it.
  std::shared_ptr<const LiveSpan> SharedSpan() const;

  std::shared_ptr<MemoryDocument> document_;
  std::shared_ptr<Story> story_;  // declared before span_, which lives in it
  LiveSpan span_;
};

// The word units that meet a live stretch, cut to it.
class MemoryWords final : public word::Words {
 public:
  MemoryWords(std::shared_ptr<MemoryDocument> document, std::shared_ptr<Story> story,
              std::shared_ptr<const LiveSpan> within);
  std::int32_t Count() const override;
  std::shared_ptr<word::Range> GetFirst() const override;
  std::shared_ptr<word::Range> Item(std::int32_t index) const override;

 private:
  std::int32_t FirstUnit() const;

  std::shared_ptr<MemoryDocument> document_;
  std::shared_ptr<Story> story_;
  std::shared_ptr<const LiveSpan> within_;
};

// The paragraphs that meet a live stretch, each whole with its paragraph mark.
class MemoryParagraphs final : public word::Paragraphs {
 public:
  MemoryParagraphs(std::shared_ptr<MemoryDocument> document, std::shared_ptr<Story> story,
                   std::shared_ptr<const LiveSpan> within);
  std::int32_t Count() const override;
  std::shared_ptr<word::Paragraph> Item(std::int32_t index) const override;

 private:
  std::int32_t FirstStart() const;
  std::shared_ptr<MemoryDocument> document_;
  std::shared_ptr<Story> story_;
  std::shared_ptr<const LiveSpan> within_;
};

}  // namespace quillora::memory
