#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "common/registro.h"

namespace quillora::posix {

// The registry file of this machine: $QUILLORA_REGISTRO, or else /etc/quillora/quillora.reg.
std::filesystem::path RutaRegistro();

// HKEY_LOCAL_MACHINE read from a file in the format of the Windows registry editor's exports
// ("Windows Registry Editor Version 5.00" or "REGEDIT4", UTF-16 or UTF-8): [key] sections with
// "name"="text", dword:, hex: and hex(n): values. The file is read again each time a key is
// opened, as the registry is live; a missing, unreadable or malformed file holds no key.
class RegistroArchivo final : public comun::Registro {
 public:
  explicit RegistroArchivo(std::filesystem::path archivo);

  std::int32_t RegOpenKey(std::string_view subclave, Clave& clave) override;
  std::int32_t RegQueryValueEx(Clave clave, std::string_view nombre, std::uint32_t& tipo,
                               std::uint8_t* datos, std::uint32_t& tamano) override;
  std::int32_t RegCloseKey(Clave clave) override;

  struct Valor {
    std::uint32_t tipo;
    std::vector<std::uint8_t> datos;
  };
  // Value names in upper case (names are compared without case) → value.
  using Valores = std::map<std::string, Valor>;

 private:
  std::filesystem::path archivo_;
  std::map<Clave, Valores> abiertas_;
  Clave siguiente_ = 1;
};

// The keys of a registry file's text, by full name in upper case with single backslashes
// (HKLM written out as HKEY_LOCAL_MACHINE). None when the text is not a registry file.
std::map<std::string, RegistroArchivo::Valores> LeerArchivoRegistro(const std::string& texto);

}  // namespace quillora::posix
