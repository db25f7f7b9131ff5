#include "registro_con_ajustes.h"

#include <algorithm>
#include <cctype>

#include "common/leer_registro.h"

namespace quillora {

namespace {

// Registry names compare without letter case, and a key's name with or without its last
// backslash.
std::string Normalizar(std::string_view nombre) {
  while (nombre.ends_with('\\')) nombre.remove_suffix(1);
  std::string normal(nombre);
  std::transform(normal.begin(), normal.end(), normal.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return normal;
}

}  // namespace

void RegistroConAjustes::Fijar(const std::string& nombre, std::int32_t valor) {
  ajustes_[Normalizar(nombre)] = valor;
}

std::int32_t RegistroConAjustes::RegOpenKey(std::string_view subclave, Clave& clave) {
  Clave deLaBase = 0;
  const auto resultado = base_.RegOpenKey(subclave, deLaBase);
  const bool delPrograma =
      !ajustes_.empty() && Normalizar(subclave) == Normalizar(comun::kClaveQuillora);
  if (resultado != comun::kRegCorrecto && !delPrograma) return resultado;
  clave = siguiente_++;
  abiertas_[clave] = {resultado == comun::kRegCorrecto ? std::optional(deLaBase) : std::nullopt,
                      delPrograma};
  return comun::kRegCorrecto;
}

std::int32_t RegistroConAjustes::RegQueryValueEx(Clave clave, std::string_view nombre,
                                                 std::uint32_t& tipo, std::uint8_t* datos,
                                                 std::uint32_t& tamano) {
  const auto abierta = abiertas_.find(clave);
  if (abierta == abiertas_.end()) return comun::kRegClaveNoValida;
  if (const auto ajuste = ajustes_.find(Normalizar(nombre));
      abierta->second.delPrograma && ajuste != ajustes_.end()) {
    const auto valor = static_cast<std::uint32_t>(ajuste->second);
    const std::uint8_t bytes[] = {
        static_cast<std::uint8_t>(valor), static_cast<std::uint8_t>(valor >> 8),
        static_cast<std::uint8_t>(valor >> 16), static_cast<std::uint8_t>(valor >> 24)};
    return comun::ResponderConsulta(comun::kRegNumero, bytes, tipo, datos, tamano);
  }
  if (!abierta->second.base) return comun::kRegNoEncontrado;
  return base_.RegQueryValueEx(*abierta->second.base, nombre, tipo, datos, tamano);
}

std::int32_t RegistroConAjustes::RegCloseKey(Clave clave) {
  const auto abierta = abiertas_.find(clave);
  if (abierta == abiertas_.end()) return comun::kRegClaveNoValida;
  if (abierta->second.base) base_.RegCloseKey(*abierta->second.base);
  abiertas_.erase(abierta);
  return comun::kRegCorrecto;
}

}  // namespace quillora
