#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace quillora::db {

// A column's value: Null, a whole number, a real number or a UTF-8 text.
using Valor = std::variant<std::monostate, std::int64_t, double, std::string>;

inline bool EsNulo(const Valor& valor) { return std::holds_alternative<std::monostate>(valor); }

// The value as a 32-bit key; none when Null. ErrorBD naming the column when it is no whole
// number (written as a number or as digits) that fits.
std::optional<std::int32_t> Entero32(const Valor& valor, std::string_view columna);

// The value as text, numbers in decimal; none when Null.
std::optional<std::string> ComoTexto(const Valor& valor);

}  // namespace quillora::db
