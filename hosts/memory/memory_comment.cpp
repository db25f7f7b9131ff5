#include "memory_comment.h"

#include "common/texto_unicode.h"
#include "memory_document.h"
#include "memory_range.h"
#include "word/host_error.h"

namespace quillora::memory {

CommentData::CommentData(std::shared_ptr<Story> main, std::int32_t start, std::int32_t end,
                         const std::string& text)
    : main_(std::move(main)),
      scope_(*main_, start, end),
      text_(std::make_shared<Story>(texto::Utf8AUtf16(text))) {}

std::string CommentData::Text() const { return texto::Utf16AUtf8(text_->Text()); }

MemoryComment::MemoryComment(std::shared_ptr<MemoryDocument> document,
                             std::shared_ptr<CommentData> data)
    : document_(std::move(document)), data_(std::move(data)) {}

CommentData& MemoryComment::Data() const {
  if (data_->Deleted()) throw word::HostError("El comentario se ha eliminado");
  return *data_;
}

std::string MemoryComment::GetInitial() const { return Data().initials; }
void MemoryComment::SetInitial(const std::string& iniciales) { Data().initials = iniciales; }
std::string MemoryComment::GetAuthor() const { return Data().author; }
void MemoryComment::SetAuthor(const std::string& autor) { Data().author = autor; }

std::shared_ptr<word::Range> MemoryComment::GetScope() const {
  const auto& scope = Data().Scope();
  auto document = document_.lock();
  if (!document) throw word::HostError("El documento está cerrado");
  return document->Range(scope.start, scope.end);
}

std::shared_ptr<word::Range> MemoryComment::GetRange() const {
  auto& data = Data();
  auto document = document_.lock();
  if (!document) throw word::HostError("El documento está cerrado");
  return std::make_shared<MemoryRange>(document, data.TextStory(), 0, data.TextStory()->Length());
}

void MemoryComment::Delete() {
  auto& data = Data();
  if (auto document = document_.lock()) document->RemoveComment(data);
  data.MarkDeleted();
}

MemoryComments::MemoryComments(std::shared_ptr<MemoryDocument> document,
                               std::shared_ptr<const LiveSpan> within)
    : document_(std::move(document)), within_(std::move(within)) {}

bool MemoryComments::Includes(const CommentData& comment) const {
  if (!within_) return true;
  const auto& scope = comment.Scope();
  const auto start = within_->start;
  const auto end = within_->end;
  if (start == end) return scope.start <= start && start <= scope.end;  // an insertion point
  if (scope.start == scope.end) return start <= scope.start && scope.start <= end;
  return scope.start < end && start < scope.end;
}

std::int32_t MemoryComments::Count() const {
  document_->CheckOpen();
  if (!within_) return document_->CommentCount();
  std::int32_t count = 0;
  for (const auto& comment : document_->CommentList()) count += Includes(*comment) ? 1 : 0;
  return count;
}

std::shared_ptr<word::Comment> MemoryComments::Item(std::int32_t index) const {
  document_->CheckOpen();
  if (!within_ && index >= 1 && index <= document_->CommentCount()) {
    return std::make_shared<MemoryComment>(document_, document_->CommentAt(index - 1));
  }
  std::int32_t position = 0;
  for (const auto& comment : document_->CommentList()) {
    if (Includes(*comment) && ++position == index) {
      return std::make_shared<MemoryComment>(document_, comment);
    }
  }
  throw word::HostError("No existe el comentario " + std::to_string(index) + " de la colección");
}

std::shared_ptr<word::Comment> MemoryComments::Add(const word::Range& scope,
                                                   const std::string& texto) {
  const auto* range = dynamic_cast<const MemoryRange*>(&scope);
  if (range == nullptr || range->Document().get() != document_.get() ||
      range->StoryPtr() != document_->MainStory()) {
    throw word::HostError("El intervalo del comentario no pertenece al texto de este documento");
  }
  auto data = document_->AddComment(range->GetStart(), range->GetEnd(), texto);
  data->author = "Usuario";
  data->initials = "U";
  return std::make_shared<MemoryComment>(document_, data);
}

}  // namespace quillora::memory
