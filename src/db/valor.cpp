#include "db/valor.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "db/error_bd.h"

namespace quillora::db {

std::optional<std::int32_t> Entero32(const Valor& valor, std::string_view columna) {
  if (EsNulo(valor)) return std::nullopt;
  std::optional<std::int64_t> entero;
  if (const auto* numero = std::get_if<std::int64_t>(&valor)) {
    entero = *numero;
  } else if (const auto* real = std::get_if<double>(&valor)) {
    if (std::trunc(*real) == *real && std::abs(*real) < 1e18) {
      entero = static_cast<std::int64_t>(*real);
    }
  } else {
    const auto& texto = std::get<std::string>(valor);
    std::int64_t leido = 0;
    const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), leido);
    if (error == std::errc{} && fin == texto.data() + texto.size()) entero = leido;
  }
  if (!entero || *entero < std::numeric_limits<std::int32_t>::min() ||
      *entero > std::numeric_limits<std::int32_t>::max()) {
    throw ErrorBD("22018", "El valor de la columna " + std::string(columna) +
                               " no es un número entero de 32 bits");
  }
  return static_cast<std::int32_t>(*entero);
}

std::optional<std::string> ComoTexto(const Valor& valor) {
  if (EsNulo(valor)) return std::nullopt;
  if (const auto* texto = std::get_if<std::string>(&valor)) return *texto;
  if (const auto* entero = std::get_if<std::int64_t>(&valor)) return std::to_string(*entero);
  return std::to_string(std::get<double>(valor));
}

}  // namespace quillora::db
