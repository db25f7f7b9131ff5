#include "com_comment.h"

#include "com_range.h"
#include "word/host_error.h"

namespace quillora::com {

std::string ComComment::GetInitial() const { return GetDespacho().Leer("Initial").Texto(); }

void ComComment::SetInitial(const std::string& iniciales) {
  GetDespacho().Escribir("Initial", Variante::Texto(iniciales));
}

std::string ComComment::GetAuthor() const { return GetDespacho().Leer("Author").Texto(); }

void ComComment::SetAuthor(const std::string& autor) {
  GetDespacho().Escribir("Author", Variante::Texto(autor));
}

std::shared_ptr<word::Range> ComComment::GetScope() const {
  return Envolver<ComRange>(GetDespacho().Leer("Scope").ObjetoPresente());
}

std::shared_ptr<word::Range> ComComment::GetRange() const {
  return Envolver<ComRange>(GetDespacho().Leer("Range").ObjetoPresente());
}

void ComComment::Delete() { GetDespacho().Llamar("Delete"); }

std::int32_t ComComments::Count() const { return GetDespacho().Leer("Count").Entero(); }

std::shared_ptr<word::Comment> ComComments::Item(std::int32_t index) const {
  return Envolver<ComComment>(GetDespacho().Item(Variante::Entero(index)).ObjetoPresente());
}

std::shared_ptr<word::Comment> ComComments::Add(const word::Range& scope,
                                                const std::string& texto) {
  const auto* rango = dynamic_cast<const ComRange*>(&scope);
  if (rango == nullptr) {
    throw word::HostError("El intervalo del comentario no es un intervalo de Word");
  }
  return Envolver<ComComment>(
      GetDespacho()
          .Llamar("Add", {Variante::Objeto(rango->Objeto()), Variante::Texto(texto)})
          .ObjetoPresente());
}

}  // namespace quillora::com
