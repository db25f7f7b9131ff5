#include "com_range.h"

#include "com_comment.h"
#include "com_document.h"

namespace quillora::com {

std::string ComRange::GetText() const { return GetDespacho().Leer("Text").Texto(); }

void ComRange::SetText(const std::string& texto) {
  GetDespacho().Escribir("Text", Variante::Texto(texto));
}

std::int32_t ComRange::GetStart() const { return GetDespacho().Leer("Start").Entero(); }

std::int32_t ComRange::GetEnd() const { return GetDespacho().Leer("End").Entero(); }

void ComRange::SetRange(std::int32_t start, std::int32_t end) {
  GetDespacho().Llamar("SetRange", {Variante::Entero(start), Variante::Entero(end)});
}

std::shared_ptr<word::Words> ComRange::GetWords() const {
  return Envolver<ComWords>(GetDespacho().Leer("Words").ObjetoPresente());
}

std::shared_ptr<word::Paragraphs> ComRange::GetParagraphs() const {
  return Envolver<ComParagraphs>(GetDespacho().Leer("Paragraphs").ObjetoPresente());
}

std::shared_ptr<word::Comments> ComRange::GetComments() const {
  return Envolver<ComComments>(GetDespacho().Leer("Comments").ObjetoPresente());
}

std::shared_ptr<word::Document> ComRange::GetParent() const {
  return Envolver<ComDocument>(GetDespacho().Leer("Parent").ObjetoPresente());
}

// Word answers Nothing past the end (the start) of the story.
std::shared_ptr<word::Range> ComRange::Next(word::Unidad unidad, std::int32_t count) const {
  return Envolver<ComRange>(
      GetDespacho()
          .Llamar("Next",
                  {Variante::Entero(static_cast<std::int32_t>(unidad)), Variante::Entero(count)})
          .Objeto());
}

std::shared_ptr<word::Range> ComRange::Previous(word::Unidad unidad, std::int32_t count) const {
  return Envolver<ComRange>(
      GetDespacho()
          .Llamar("Previous",
                  {Variante::Entero(static_cast<std::int32_t>(unidad)), Variante::Entero(count)})
          .Objeto());
}

std::int32_t ComWords::Count() const { return GetDespacho().Leer("Count").Entero(); }

std::shared_ptr<word::Range> ComWords::GetFirst() const {
  return Envolver<ComRange>(GetDespacho().Leer("First").Objeto());
}

std::shared_ptr<word::Range> ComWords::Item(std::int32_t index) const {
  return Envolver<ComRange>(GetDespacho().Item(Variante::Entero(index)).ObjetoPresente());
}

std::shared_ptr<word::Range> ComParagraph::GetRange() const {
  return Envolver<ComRange>(GetDespacho().Leer("Range").ObjetoPresente());
}

std::int32_t ComParagraphs::Count() const { return GetDespacho().Leer("Count").Entero(); }

std::shared_ptr<word::Paragraph> ComParagraphs::Item(std::int32_t index) const {
  return Envolver<ComParagraph>(GetDespacho().Item(Variante::Entero(index)).ObjetoPresente());
}

}  // namespace quillora::com
