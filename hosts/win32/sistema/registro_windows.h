#pragma once

// First: the registry interface must be read without <windows.h>'s macros of the same names.
#include "windows_registro.h"
// The interface implemented here.
#include "common/registro.h"

namespace quillora::win32 {

// HKEY_LOCAL_MACHINE through the registry functions of the Win32 API, opened for reading.
// Names go to the system in its ANSI code page; text values come back as UTF-8, their size
// counted in UTF-8 bytes with the terminating NUL. The system's result codes are answered as
// they are.
class RegistroWindows final : public comun::Registro {
 public:
  std::int32_t RegOpenKey(std::string_view subclave, Clave& clave) override;
  std::int32_t RegQueryValueEx(Clave clave, std::string_view nombre, std::uint32_t& tipo,
                               std::uint8_t* datos, std::uint32_t& tamano) override;
  std::int32_t RegCloseKey(Clave clave) override;
};

}  // namespace quillora::win32
