#include "com_document.h"

#include "com_comment.h"
#include "com_range.h"
#include "com_window.h"

namespace quillora::com {

std::shared_ptr<word::Comments> ComDocument::GetComments() const {
  return Envolver<ComComments>(GetDespacho().Leer("Comments").ObjetoPresente());
}

std::shared_ptr<word::Window> ComDocument::GetActiveWindow() const {
  return Envolver<ComWindow>(GetDespacho().Leer("ActiveWindow").ObjetoPresente());
}

std::shared_ptr<word::Range> ComDocument::Range() const {
  return Envolver<ComRange>(GetDespacho().Llamar("Range").ObjetoPresente());
}

std::shared_ptr<word::Range> ComDocument::Range(std::int32_t start, std::int32_t end) const {
  return Envolver<ComRange>(GetDespacho()
                                .Llamar("Range", {Variante::Entero(start), Variante::Entero(end)})
                                .ObjetoPresente());
}

}  // namespace quillora::com
