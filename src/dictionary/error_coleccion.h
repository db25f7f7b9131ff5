#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace quillora {

// A position or key that a collection does not hold; the collection is left as it was.
class ErrorColeccion : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;

  static ErrorColeccion IndiceFueraDeIntervalo(std::int32_t indice, std::int32_t cuenta);
  static ErrorColeccion ClaveInexistente(std::string_view clave);
};

}  // namespace quillora
