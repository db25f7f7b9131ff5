#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::memory {

class Story;

// A stretch of a story that follows the story's edits (a live range, a comment's scope).
// It registers itself with its story on construction and leaves on destruction; the story must
// outlive it.
class LiveSpan {
 public:
  LiveSpan(Story& story, std::int32_t start, std::int32_t end);
  LiveSpan(const LiveSpan&) = delete;
  LiveSpan& operator=(const LiveSpan&) = delete;
  ~LiveSpan();

  std::int32_t start = 0;
  std::int32_t end = 0;

 private:
  friend class Story;
  LiveSpan();  // the story's sentinel
  LiveSpan* prev_ = this;
  LiveSpan* next_ = this;
};

// The text of one story (the main text, or a comment's text) in UTF-16, as Word counts
// positions, with its word units and the live spans over it.
//
// Word units partition the text: a run of word characters, one punctuation mark or one
// symbol, each with its trailing blanks; a paragraph mark alone; the blanks that open a
// paragraph.
class Story {
 public:
  explicit Story(std::u16string text);
  Story(const Story&) = delete;
  Story& operator=(const Story&) = delete;

  const std::u16string& Text() const { return text_; }
  std::int32_t Length() const { return static_cast<std::int32_t>(text_.size()); }

  // Replaces [start, end) and moves every live span: a position before the edit stays, one after
  // it shifts; a span that starts where text is inserted moves behind it, one that ends there
  // does not grow; positions inside replaced text go to the end of the new text.
  void Replace(std::int32_t start, std::int32_t end, std::u16string_view replacement);

  std::int32_t UnitCount();
  // The unit holding position `pos` (0 <= pos < Length()).
  std::int32_t UnitAt(std::int32_t pos);
  std::int32_t UnitStart(std::int32_t unit);
  std::int32_t UnitEnd(std::int32_t unit);

  // The code point boundary after (before) `pos`, or -1 past the end (start).
  std::int32_t NextCharacterEnd(std::int32_t pos) const;
  std::int32_t PreviousCharacterStart(std::int32_t pos) const;

  // Bytes held for the text and its word units.
  std::size_t MemoryUsed() const;

 private:
  friend class LiveSpan;
  void EnsureUnits();
  // Appends the starts of the units from `from` (a unit's start) up to `length` (a break or the
  // end of the text).
  void Tokenize(std::int32_t from, std::int32_t length, std::vector<std::int32_t>& starts) const;

  std::u16string text_;
  std::vector<std::int32_t> unitStarts_;  // ends with Length(); kept up to date by edits
  bool unitsStale_ = true;
  std::int32_t lastUnit_ = 0;  // UnitAt's last answer, where the next search looks first
  LiveSpan spans_;             // sentinel of the circular list of live spans
};

}  // namespace quillora::memory
