#include "common/tag_variant.h"

#include <stdexcept>
#include <unordered_map>

namespace quillora::tag_variant {

namespace {

struct Identidad {
  std::weak_ptr<const void> objeto;
  std::int32_t numero;
};

class RegistroIdentidades {
 public:
  std::int32_t Numero(const std::shared_ptr<const void>& objeto) {
    const void* direccion = objeto.get();
    auto existente = identidades_.find(direccion);
    if (existente != identidades_.end()) {
      // A live object still holds the address, and it is this one: weak and shared share owners.
      const auto& identidad = existente->second;
      if (!identidad.objeto.owner_before(objeto) && !objeto.owner_before(identidad.objeto) &&
          !identidad.objeto.expired()) {
        return identidad.numero;
      }
      identidades_.erase(existente);
    }
    if (siguiente_ == INT32_MAX) {
      throw std::overflow_error("Se han agotado los números de identidad de objetos");
    }
    PurgarMuertos();
    const std::int32_t numero = siguiente_++;
    identidades_.emplace(direccion, Identidad{objeto, numero});
    return numero;
  }

 private:
  // Forgets dead objects once the table has doubled since the last sweep, so it stays small.
  void PurgarMuertos() {
    if (identidades_.size() < umbralPurga_) return;
    std::erase_if(identidades_, [](const auto& par) { return par.second.objeto.expired(); });
    umbralPurga_ = std::max<size_t>(64, identidades_.size() * 2);
  }

  std::unordered_map<const void*, Identidad> identidades_;
  std::int32_t siguiente_ = 1;
  size_t umbralPurga_ = 64;
};

}  // namespace

std::int32_t IdObjeto(const std::shared_ptr<const void>& objeto) {
  if (!objeto) throw std::invalid_argument("IdObjeto: el objeto no existe");
  static RegistroIdentidades registro;
  return registro.Numero(objeto);
}

}  // namespace quillora::tag_variant
