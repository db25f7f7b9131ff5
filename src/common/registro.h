#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quillora::comun {

// Kinds of registry values, with the platform's numbers.
inline constexpr std::uint32_t kRegTexto = 1;   // REG_SZ
inline constexpr std::uint32_t kRegNumero = 4;  // REG_DWORD, 32 bits, little-endian

// Result codes, with the platform's numbers.
inline constexpr std::int32_t kRegCorrecto = 0;       // ERROR_SUCCESS
inline constexpr std::int32_t kRegNoEncontrado = 2;   // ERROR_FILE_NOT_FOUND
inline constexpr std::int32_t kRegClaveNoValida = 6;  // ERROR_INVALID_HANDLE
inline constexpr std::int32_t kRegMasDatos = 234;     // ERROR_MORE_DATA

// The machine-wide registry (HKEY_LOCAL_MACHINE) as the settings read it: open a key, query its
// values, close it. Every call answers a result code and never throws.
class Registro {
 public:
  using Clave = std::uintptr_t;

  virtual ~Registro() = default;
  // Opens `subclave` (backslash-separated, letter case irrelevant) into `clave`.
  virtual std::int32_t RegOpenKey(std::string_view subclave, Clave& clave) = 0;
  // Gives the kind and size in bytes of the value `nombre`. With `datos`, also copies its bytes
  // when `tamano` (the buffer's size on entry) is enough, and answers kRegMasDatos when it is not.
  virtual std::int32_t RegQueryValueEx(Clave clave, std::string_view nombre, std::uint32_t& tipo,
                                       std::uint8_t* datos, std::uint32_t& tamano) = 0;
  virtual std::int32_t RegCloseKey(Clave clave) = 0;
};

// Answers a query for a value held in memory as RegQueryValueEx answers it: `tipo` and `tamano`
// become the value's kind and size, and its bytes are copied when `datos` has room for them.
std::int32_t ResponderConsulta(std::uint32_t tipoValor, std::span<const std::uint8_t> bytes,
                               std::uint32_t& tipo, std::uint8_t* datos, std::uint32_t& tamano);

}  // namespace quillora::comun
