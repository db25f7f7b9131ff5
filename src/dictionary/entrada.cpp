#include "dictionary/entrada.h"

#include <utility>

#include "common/texto_unicode.h"
#include "dictionary/morfologia.h"
#include "dictionary/sexismo.h"

namespace quillora {

// The key is ClaveTexto of the text, made from the upper text instead of upper-casing twice.
Entrada::Entrada(PermisoCreacion /*permiso*/, std::string entrada)
    : entrada_(std::move(entrada)),
      mayusculas_(texto::Mayusculas(entrada_)),
      clave_(texto::SinBlancosExteriores(mayusculas_)) {}

Entrada::~Entrada() {
  sustitutos_->Clear();
  documentos_->Clear();
}

void Entrada::SetEtimologia(std::string etimologia) { etimologia_ = std::move(etimologia); }

std::shared_ptr<Morfologia> Entrada::GetMorfologia() const {
  return std::get<std::shared_ptr<Morfologia>>(clases_);
}

void Entrada::SetMorfologia(std::shared_ptr<Morfologia> morfologia) {
  CambiarClase(std::move(morfologia));
}

std::shared_ptr<Sexismo> Entrada::GetSexismo() const {
  return std::get<std::shared_ptr<Sexismo>>(clases_);
}

void Entrada::SetSexismo(std::shared_ptr<Sexismo> sexismo) { CambiarClase(std::move(sexismo)); }

template <typename C>
void Entrada::CambiarClase(std::shared_ptr<C> nueva) {
  auto& enlace = Enlace<C>();
  if (enlace == nueva) return;
  if (enlace) {
    // Held here: the list drops the entry's link, which may be the last reference to the class.
    const std::shared_ptr<C> anterior = enlace;
    anterior->GetEntradas()->Remove(shared_from_this());
  }
  if (nueva) nueva->GetEntradas()->Add(shared_from_this());
  enlace = std::move(nueva);
}

}  // namespace quillora
