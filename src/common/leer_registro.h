#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "common/registro.h"

namespace quillora::comun {

// The program's key under HKEY_LOCAL_MACHINE.
inline constexpr std::string_view kClaveQuillora = "Software\\Brenmoor\\Quillora\\";

// A value read from the registry: nothing, a text or a 32-bit number.
using ValorRegistro = std::variant<std::monostate, std::string, std::int32_t>;

// Reads the value `nombre` of an open key into `valor`. Answers 0 on success, the registry's
// code when the value cannot be queried, and -1 when it is neither a text nor a 32-bit number.
// `valor` is left as it was when nothing could be read, and becomes the empty text when a text
// value's data cannot be read.
std::int32_t LeerValorRegistro(Registro& registro, Registro::Clave clave, std::string_view nombre,
                               ValorRegistro& valor);

// The setting `nombre` of the program's key as text (a number as its decimal digits); the empty
// text when the key or the value is missing, of another kind or unreadable. Never fails.
std::string LeerRegistro(Registro& registro, std::string_view nombre);

}  // namespace quillora::comun
