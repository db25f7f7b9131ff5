#include "common/leer_registro.h"

#include <vector>

namespace quillora::comun {

std::int32_t LeerValorRegistro(Registro& registro, Registro::Clave clave, std::string_view nombre,
                               ValorRegistro& valor) {
  std::uint32_t tipo = 0;
  std::uint32_t tamano = 0;
  const auto consulta = registro.RegQueryValueEx(clave, nombre, tipo, nullptr, tamano);
  if (consulta != kRegCorrecto) return consulta;
  if (tipo == kRegTexto) {
    // A text value without even its terminating NUL holds nothing to read.
    if (tamano == 0) return consulta;
    std::vector<std::uint8_t> datos(tamano, 0);
    const auto lectura = registro.RegQueryValueEx(clave, nombre, tipo, datos.data(), tamano);
    if (lectura == kRegCorrecto) {
      valor = std::string(reinterpret_cast<const char*>(datos.data()), datos.size() - 1);
    } else {
      valor = std::string();
    }
    return lectura;
  }
  if (tipo == kRegNumero) {
    std::uint8_t datos[sizeof(std::int32_t)] = {};
    tamano = sizeof datos;
    const auto lectura = registro.RegQueryValueEx(clave, nombre, tipo, datos, tamano);
    if (lectura == kRegCorrecto && tamano == sizeof datos) {
      const std::uint32_t numero = datos[0] | (std::uint32_t{datos[1]} << 8) |
                                   (std::uint32_t{datos[2]} << 16) |
                                   (std::uint32_t{datos[3]} << 24);
      valor = static_cast<std::int32_t>(numero);
    }
    return lectura;
  }
  return -1;
}

std::string LeerRegistro(Registro& registro, std::string_view nombre) {
  std::string resultado;
  Registro::Clave clave = 0;
  if (registro.RegOpenKey(kClaveQuillora, clave) != kRegCorrecto) return resultado;
  try {
    ValorRegistro valor;
    LeerValorRegistro(registro, clave, nombre, valor);
    if (const auto* texto = std::get_if<std::string>(&valor)) {
      resultado = *texto;
    } else if (const auto* numero = std::get_if<std::int32_t>(&valor)) {
      resultado = std::to_string(*numero);
    }
  } catch (const std::exception&) {
    // A setting that cannot be read is no setting.
  }
  registro.RegCloseKey(clave);
  return resultado;
}

}  // namespace quillora::comun
