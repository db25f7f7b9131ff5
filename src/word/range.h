#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace quillora::word {

class Comments;
class Document;
class Paragraphs;
class Words;

// Units of Range.Next and Range.Previous, with Word's numbers.
enum class Unidad : std::int32_t { Caracter = 1, Palabra = 2 };

// A stretch of a document's story. Positions count UTF-16 code units, as Word's do, and are
// comparable within one document. Ranges are live: an edit before or inside a range moves it.
class Range {
 public:
  virtual ~Range() = default;

  // UTF-8 text; writing replaces the text in the document and the range then covers the new text.
  virtual std::string GetText() const = 0;
  virtual void SetText(const std::string& texto) = 0;
  virtual std::int32_t GetStart() const = 0;
  virtual std::int32_t GetEnd() const = 0;
  virtual void SetRange(std::int32_t start, std::int32_t end) = 0;

  virtual std::shared_ptr<Words> GetWords() const = 0;
  virtual std::shared_ptr<Paragraphs> GetParagraphs() const = 0;
  virtual std::shared_ptr<Comments> GetComments() const = 0;
  virtual std::shared_ptr<Document> GetParent() const = 0;

  // The unit after (before) this range, `count` units on; none past the end (start) of the story.
  virtual std::shared_ptr<Range> Next(Unidad unidad, std::int32_t count) const = 0;
  virtual std::shared_ptr<Range> Previous(Unidad unidad, std::int32_t count) const = 0;
};

// The word units of a range; a word unit carries its trailing blanks.
class Words {
 public:
  virtual ~Words() = default;
  virtual std::int32_t Count() const = 0;
  // None when the range holds no word.
  virtual std::shared_ptr<Range> GetFirst() const = 0;
  // By position from 1; a bad position throws HostError.
  virtual std::shared_ptr<Range> Item(std::int32_t index) const = 0;
};

class Paragraph {
 public:
  virtual ~Paragraph() = default;
  // The paragraph with its paragraph mark.
  virtual std::shared_ptr<Range> GetRange() const = 0;
};

class Paragraphs {
 public:
  virtual ~Paragraphs() = default;
  virtual std::int32_t Count() const = 0;
  // By position from 1; a bad position throws HostError.
  virtual std::shared_ptr<Paragraph> Item(std::int32_t index) const = 0;
};

}  // namespace quillora::word
