#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillora::comun {

// The number in the pattern "#,##0": groups of three digits joined by the separator.
std::string FormatoMiles(std::int64_t numero, std::string_view separador);

}  // namespace quillora::comun
