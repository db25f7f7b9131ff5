#pragma once

#include <cstdint>
#include <memory>

#include "dictionary/clase_diccionario.h"
#include "dictionary/coleccion_texto.h"

namespace quillora {

// A collection of morphological or sexism classes; a class leaves it with its entry list
// emptied.
template <typename Clase>
class ColeccionClases : public ColeccionTexto<Clase, VaciarClase> {
 public:
  // The first class in insertion order with this id, or nullptr; the loader links entries to
  // classes by the ids of the database rows.
  std::shared_ptr<Clase> ItemById(std::int32_t id) const {
    for (std::int32_t indice = 1; indice <= this->Count(); ++indice) {
      auto clase = this->Item(indice);
      if (clase->GetId() == id) return clase;
    }
    return nullptr;
  }
};

}  // namespace quillora
