#pragma once

#include <memory>
#include <string>

#include "word/comment.h"
#include "word/document.h"

// Marks as the processing run writes them (author "Quillora", initials "QKV") and takes them away.
namespace quillora::docx::prueba {

inline std::shared_ptr<word::Comment> Marcar(const word::Document& documento,
                                             const word::Range& alcance, const std::string& texto) {
  auto marca = documento.GetComments()->Add(alcance, texto);
  marca->SetAuthor("Quillora");
  marca->SetInitial("QKV");
  return marca;
}

// Deletes every mark, reading the comments by number as the processing run does.
inline void BorrarMarcas(const word::Document& documento) {
  const auto comentarios = documento.GetComments();
  for (std::int32_t i = 1; i <= comentarios->Count();) {
    if (comentarios->Item(i)->GetInitial() == "QKV") {
      comentarios->Item(i)->Delete();
    } else {
      ++i;
    }
  }
}

}  // namespace quillora::docx::prueba
