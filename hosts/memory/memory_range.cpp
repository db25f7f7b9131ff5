#include "memory_range.h"

#include <algorithm>

#include "common/texto_unicode.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "word/host_error.h"

namespace quillora::memory {

namespace {

void CheckCount(std::int32_t count) {
  if (count < 1) throw word::HostError("El número de unidades debe ser positivo");
}

// Start of the paragraph holding `pos`: just after the previous paragraph mark.
std::int32_t ParagraphStart(const std::u16string& text, std::int32_t pos) {
  const auto mark =
      pos == 0 ? std::u16string::npos : text.rfind(u'\r', static_cast<size_t>(pos) - 1);
  return mark == std::u16string::npos ? 0 : static_cast<std::int32_t>(mark) + 1;
}

// End of the paragraph starting at `start`: after its paragraph mark.
std::int32_t ParagraphEnd(const std::u16string& text, std::int32_t start) {
  const auto mark = text.find(u'\r', static_cast<size_t>(start));
  return mark == std::u16string::npos ? static_cast<std::int32_t>(text.size())
                                      : static_cast<std::int32_t>(mark) + 1;
}

class MemoryParagraph final : public word::Paragraph {
 public:
  explicit MemoryParagraph(std::shared_ptr<word::Range> range) : range_(std::move(range)) {}
  std::shared_ptr<word::Range> GetRange() const override { return range_; }

 private:
  std::shared_ptr<word::Range> range_;
};

}  // namespace

MemoryRange::MemoryRange(std::shared_ptr<MemoryDocument> document, std::shared_ptr<Story> story,
                         std::int32_t start, std::int32_t end)
    : document_(std::move(document)), story_(std::move(story)), span_(*story_, start, end) {}

std::shared_ptr<word::Range> MemoryRange::Make(std::int32_t start, std::int32_t end) const {
  return std::make_shared<MemoryRange>(document_, story_, start, end);
}

bool MemoryRange::IsMainStory() const { return story_ == document_->MainStory(); }

std::string MemoryRange::GetText() const {
  document_->CheckOpen();
  return texto::Utf16AUtf8(
      std::u16string_view(story_->Text())
          .substr(static_cast<size_t>(span_.start), static_cast<size_t>(span_.end - span_.start)));
}

void MemoryRange::SetText(const std::string& texto) {
  document_->CheckOpen();
  std::int32_t start = span_.start;
  std::int32_t end = span_.end;
  // The final paragraph mark of the main text survives any edit and nothing is written after
  // it, as in Word.
  if (IsMainStory() && end == story_->Length() && story_->Length() > 0) {
    --end;
    start = std::min(start, end);
  }
  const auto replacement = texto::Utf8AUtf16(texto);
  // Deleting the whole text a comment covers deletes the comment, as in Word.
  const auto borrados = IsMainStory() && replacement.empty() && start < end
                            ? document_->CommentsWithin(start, end)
                            : std::vector<std::shared_ptr<CommentData>>{};
  story_->Replace(start, end, replacement);
  span_.start = start;
  span_.end = start + static_cast<std::int32_t>(replacement.size());
  for (const auto& comentario : borrados) {
    document_->RemoveComment(*comentario);
    comentario->MarkDeleted();
  }
}

void MemoryRange::SetRange(std::int32_t start, std::int32_t end) {
  document_->CheckOpen();
  if (start < 0 || end < start || end > story_->Length()) {
    throw word::HostError("El intervalo " + std::to_string(start) + "-" + std::to_string(end) +
                          " está fuera del texto");
  }
  span_.start = start;
  span_.end = end;
}

std::shared_ptr<const LiveSpan> MemoryRange::SharedSpan() const {
  return {shared_from_this(), &span_};
}

std::shared_ptr<word::Words> MemoryRange::GetWords() const {
  document_->CheckOpen();
  return std::make_shared<MemoryWords>(document_, story_, SharedSpan());
}

std::shared_ptr<word::Paragraphs> MemoryRange::GetParagraphs() const {
  document_->CheckOpen();
  return std::make_shared<MemoryParagraphs>(document_, story_, SharedSpan());
}

std::shared_ptr<word::Comments> MemoryRange::GetComments() const {
  document_->CheckOpen();
  if (!IsMainStory()) throw word::HostError("El texto de un comentario no tiene comentarios");
  return std::make_shared<MemoryComments>(document_, SharedSpan());
}

std::shared_ptr<word::Document> MemoryRange::GetParent() const {
  document_->CheckOpen();
  return document_;
}

std::shared_ptr<word::Range> MemoryRange::Next(word::Unidad unidad, std::int32_t count) const {
  document_->CheckOpen();
  CheckCount(count);
  if (unidad == word::Unidad::Caracter) {
    std::int32_t start = span_.end;
    std::int32_t end = story_->NextCharacterEnd(start);
    for (std::int32_t i = 1; i < count && end >= 0; ++i) {
      start = end;
      end = story_->NextCharacterEnd(start);
    }
    return end < 0 ? nullptr : Make(start, end);
  }
  // The unit that holds the range's last character (or its insertion point) is the current one.
  const std::int32_t anchor = span_.end > span_.start ? span_.end - 1 : span_.end;
  if (anchor >= story_->Length()) return nullptr;
  const std::int32_t unit = story_->UnitAt(anchor) + count;
  if (unit >= story_->UnitCount()) return nullptr;
  return Make(story_->UnitStart(unit), story_->UnitEnd(unit));
}

std::shared_ptr<word::Range> MemoryRange::Previous(word::Unidad unidad, std::int32_t count) const {
  document_->CheckOpen();
  CheckCount(count);
  if (unidad == word::Unidad::Caracter) {
    std::int32_t end = span_.start;
    std::int32_t start = story_->PreviousCharacterStart(end);
    for (std::int32_t i = 1; i < count && start >= 0; ++i) {
      end = start;
      start = story_->PreviousCharacterStart(end);
    }
    return start < 0 ? nullptr : Make(start, end);
  }
  const std::int32_t current =
      span_.start >= story_->Length() ? story_->UnitCount() : story_->UnitAt(span_.start);
  const std::int32_t unit = current - count;
  if (unit < 0) return nullptr;
  return Make(story_->UnitStart(unit), story_->UnitEnd(unit));
}

MemoryWords::MemoryWords(std::shared_ptr<MemoryDocument> document, std::shared_ptr<Story> story,
                         std::shared_ptr<const LiveSpan> within)
    : document_(std::move(document)), story_(std::move(story)), within_(std::move(within)) {}

std::int32_t MemoryWords::FirstUnit() const {
  if (within_->start < story_->Length()) return story_->UnitAt(within_->start);
  // An insertion point at the very end is in the last word.
  return story_->Length() > 0 ? story_->UnitAt(story_->Length() - 1) : -1;
}

std::int32_t MemoryWords::Count() const {
  document_->CheckOpen();
  const std::int32_t first = FirstUnit();
  if (first < 0) return 0;
  const std::int32_t last =
      within_->end > within_->start ? story_->UnitAt(within_->end - 1) : first;
  return last - first + 1;
}

std::shared_ptr<word::Range> MemoryWords::GetFirst() const {
  return Count() == 0 ? nullptr : Item(1);
}

std::shared_ptr<word::Range> MemoryWords::Item(std::int32_t index) const {
  if (index < 1 || index > Count()) {
    throw word::HostError("No existe la palabra " + std::to_string(index) + " de la colección");
  }
  const std::int32_t unit = FirstUnit() + index - 1;
  // A stretch cuts its first and last words; an insertion point gives the whole word it is in.
  const bool cut = within_->end > within_->start;
  const std::int32_t start =
      cut ? std::max(within_->start, story_->UnitStart(unit)) : story_->UnitStart(unit);
  const std::int32_t end =
      cut ? std::min(within_->end, story_->UnitEnd(unit)) : story_->UnitEnd(unit);
  return std::make_shared<MemoryRange>(document_, story_, start, end);
}

MemoryParagraphs::MemoryParagraphs(std::shared_ptr<MemoryDocument> document,
                                   std::shared_ptr<Story> story,
                                   std::shared_ptr<const LiveSpan> within)
    : document_(std::move(document)), story_(std::move(story)), within_(std::move(within)) {}

// Where the paragraphs of a range start: an insertion point at the very end is in the last one.
std::int32_t MemoryParagraphs::FirstStart() const {
  const auto& text = story_->Text();
  return ParagraphStart(text, std::max(0, std::min(within_->start, story_->Length() - 1)));
}

std::int32_t MemoryParagraphs::Count() const {
  document_->CheckOpen();
  const auto& text = story_->Text();
  std::int32_t count = 0;
  for (std::int32_t start = FirstStart();
       start < story_->Length() && (start < within_->end || count == 0);
       start = ParagraphEnd(text, start)) {
    ++count;
  }
  return count;
}

std::shared_ptr<word::Paragraph> MemoryParagraphs::Item(std::int32_t index) const {
  if (index < 1 || index > Count()) {
    throw word::HostError("No existe el párrafo " + std::to_string(index) + " de la colección");
  }
  const auto& text = story_->Text();
  std::int32_t start = FirstStart();
  for (std::int32_t i = 1; i < index; ++i) start = ParagraphEnd(text, start);
  return std::make_shared<MemoryParagraph>(
      std::make_shared<MemoryRange>(document_, story_, start, ParagraphEnd(text, start)));
}

}  // namespace quillora::memory
