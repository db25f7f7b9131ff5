#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace quillora::db {

// A column's value: Null, a whole number, a real number or a UTF-8 text.
using Valor = std::variant<std::monostate, std::int64_t, double, std::string>;

inline bool EsNulo(const Valor& valor) { return std::holds_alternative<std::monostate>(valor); }

}  // namespace quillora::db
