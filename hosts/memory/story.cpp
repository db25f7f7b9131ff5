#include "story.h"

#include <algorithm>

#include "common/texto_unicode.h"

namespace quillora::memory {

namespace {

using texto::ClaseCaracter;

bool IsLeadSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsTrailSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The code point at `pos` and its length in code units.
std::pair<char32_t, std::int32_t> CodePointAt(const std::u16string& text, std::int32_t pos) {
  const char16_t c = text[static_cast<size_t>(pos)];
  if (IsLeadSurrogate(c) && static_cast<size_t>(pos) + 1 < text.size() &&
      IsTrailSurrogate(text[static_cast<size_t>(pos) + 1])) {
    const char32_t cp = 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) +
                        (static_cast<char32_t>(text[static_cast<size_t>(pos) + 1]) - 0xDC00);
    return {cp, 2};
  }
  return {c, 1};
}

std::int32_t MovePosition(std::int32_t pos, std::int32_t editStart, std::int32_t editEnd,
                          std::int32_t newEnd, bool isStart) {
  const std::int32_t delta = newEnd - editEnd;
  if (editStart == editEnd) {  // insertion: a start there moves behind it, an end stays
    if (pos < editStart || (pos == editStart && !isStart)) return pos;
    return pos + delta;
  }
  if (pos <= editStart) return pos;
  if (pos >= editEnd) return pos + delta;
  return newEnd;
}

bool EndsUnits(char16_t c) { return texto::Clasificar(c) == ClaseCaracter::FinParrafo; }

}  // namespace

LiveSpan::LiveSpan() = default;

LiveSpan::LiveSpan(Story& story, std::int32_t start, std::int32_t end)
    : start(start), end(end), prev_(&story.spans_), next_(story.spans_.next_) {
  next_->prev_ = this;
  prev_->next_ = this;
}

LiveSpan::~LiveSpan() {
  prev_->next_ = next_;
  next_->prev_ = prev_;
}

Story::Story(std::u16string text) : text_(std::move(text)) {}

void Story::Replace(std::int32_t start, std::int32_t end, std::u16string_view replacement) {
  // Units never cross a paragraph mark or a break, and start afresh after one: only those
  // between the breaks around the edit are found again.
  std::int32_t from = start;
  while (!unitsStale_ && from > 0 && !EndsUnits(text_[static_cast<size_t>(from) - 1])) --from;
  text_.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), replacement);
  const auto newEnd = start + static_cast<std::int32_t>(replacement.size());
  for (LiveSpan* span = spans_.next_; span != &spans_; span = span->next_) {
    span->start = MovePosition(span->start, start, end, newEnd, true);
    span->end = std::max(span->start, MovePosition(span->end, start, end, newEnd, false));
  }
  if (unitsStale_) return;
  std::int32_t to = newEnd;
  while (to < Length() && !EndsUnits(text_[static_cast<size_t>(to)])) ++to;
  const std::int32_t delta = newEnd - end;
  const auto first = std::lower_bound(unitStarts_.begin(), unitStarts_.end(), from);
  const auto last = std::lower_bound(first, unitStarts_.end(), to - delta);
  for (auto later = last; later != unitStarts_.end(); ++later) *later += delta;
  std::vector<std::int32_t> found;
  Tokenize(from, to, found);
  const auto kept = unitStarts_.erase(first, last);
  unitStarts_.insert(kept, found.begin(), found.end());
}

void Story::EnsureUnits() {
  if (!unitsStale_) return;
  unitStarts_.clear();
  Tokenize(0, Length(), unitStarts_);
  unitStarts_.push_back(Length());
  unitsStale_ = false;
}

void Story::Tokenize(std::int32_t from, std::int32_t length,
                     std::vector<std::int32_t>& starts) const {
  auto classAt = [this](std::int32_t pos) {
    const auto [cp, size] = CodePointAt(text_, pos);
    return std::pair{texto::Clasificar(cp), size};
  };
  auto skip = [&](std::int32_t pos, ClaseCaracter wanted) {
    while (pos < length) {
      const auto [kind, size] = classAt(pos);
      if (kind != wanted) break;
      pos += size;
    }
    return pos;
  };
  std::int32_t pos = from;
  while (pos < length) {
    starts.push_back(pos);
    const auto [kind, size] = classAt(pos);
    switch (kind) {
      case ClaseCaracter::FinParrafo:
        pos += size;
        break;
      case ClaseCaracter::Blanco:
        pos = skip(pos, ClaseCaracter::Blanco);
        break;
      case ClaseCaracter::Palabra:
        pos = skip(skip(pos, ClaseCaracter::Palabra), ClaseCaracter::Blanco);
        break;
      case ClaseCaracter::Puntuacion:
        pos = skip(pos + size, ClaseCaracter::Blanco);
        break;
    }
  }
}

std::int32_t Story::UnitCount() {
  EnsureUnits();
  return static_cast<std::int32_t>(unitStarts_.size()) - 1;
}

std::int32_t Story::UnitAt(std::int32_t pos) {
  EnsureUnits();
  // Walks go a unit at a time: the unit found last or the next one saves a search of the whole.
  const auto units = static_cast<std::size_t>(UnitCount());
  for (auto unit = static_cast<std::size_t>(lastUnit_);
       unit < units && unit <= static_cast<std::size_t>(lastUnit_) + 1; ++unit) {
    if (unitStarts_[unit] <= pos && pos < unitStarts_[unit + 1]) {
      return lastUnit_ = static_cast<std::int32_t>(unit);
    }
  }
  const auto after = std::upper_bound(unitStarts_.begin(), unitStarts_.end(), pos);
  lastUnit_ = static_cast<std::int32_t>(after - unitStarts_.begin()) - 1;
  return lastUnit_;
}

std::int32_t Story::UnitStart(std::int32_t unit) {
  EnsureUnits();
  return unitStarts_[static_cast<size_t>(unit)];
}

std::int32_t Story::UnitEnd(std::int32_t unit) {
  EnsureUnits();
  return unitStarts_[static_cast<size_t>(unit) + 1];
}

std::int32_t Story::NextCharacterEnd(std::int32_t pos) const {
  if (pos >= Length()) return -1;
  return pos + CodePointAt(text_, pos).second;
}

std::int32_t Story::PreviousCharacterStart(std::int32_t pos) const {
  if (pos <= 0) return -1;
  const bool pair = pos >= 2 && IsTrailSurrogate(text_[static_cast<size_t>(pos) - 1]) &&
                    IsLeadSurrogate(text_[static_cast<size_t>(pos) - 2]);
  return pos - (pair ? 2 : 1);
}

std::size_t Story::MemoryUsed() const {
  return text_.capacity() * sizeof(char16_t) + unitStarts_.capacity() * sizeof(std::int32_t);
}

}  // namespace quillora::memory
