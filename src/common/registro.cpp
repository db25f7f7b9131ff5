#include "common/registro.h"

#include <algorithm>

namespace quillora::comun {

std::int32_t ResponderConsulta(std::uint32_t tipoValor, std::span<const std::uint8_t> bytes,
                               std::uint32_t& tipo, std::uint8_t* datos, std::uint32_t& tamano) {
  const auto capacidad = tamano;
  tipo = tipoValor;
  tamano = static_cast<std::uint32_t>(bytes.size());
  if (datos == nullptr) return kRegCorrecto;
  if (capacidad < tamano) return kRegMasDatos;
  std::ranges::copy(bytes, datos);
  return kRegCorrecto;
}

}  // namespace quillora::comun
