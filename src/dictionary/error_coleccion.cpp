#include "dictionary/error_coleccion.h"

#include <string>

namespace quillora {

ErrorColeccion ErrorColeccion::IndiceFueraDeIntervalo(std::int32_t indice, std::int32_t cuenta) {
  const std::string prefijo = "El índice " + std::to_string(indice);
  if (cuenta == 0) return ErrorColeccion(prefijo + " no es válido: la colección está vacía");
  return ErrorColeccion(prefijo + " está fuera del intervalo (1 a " + std::to_string(cuenta) + ")");
}

ErrorColeccion ErrorColeccion::ClaveInexistente(std::string_view clave) {
  return ErrorColeccion("No hay ningún elemento con la clave «" + std::string(clave) + "»");
}

}  // namespace quillora
