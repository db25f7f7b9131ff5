#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "common/registro.h"

namespace quillora {

// The registry as the add-in reads it, with some values of the program's key set for this run by
// the command's options: they read as numbers whatever the registry holds, even with no key.
class RegistroConAjustes final : public comun::Registro {
 public:
  explicit RegistroConAjustes(comun::Registro& base) : base_(base) {}

  void Fijar(const std::string& nombre, std::int32_t valor);

  std::int32_t RegOpenKey(std::string_view subclave, Clave& clave) override;
  std::int32_t RegQueryValueEx(Clave clave, std::string_view nombre, std::uint32_t& tipo,
                               std::uint8_t* datos, std::uint32_t& tamano) override;
  std::int32_t RegCloseKey(Clave clave) override;

 private:
  struct Abierta {
    std::optional<Clave> base;  // the key as the registry opened it, when it has it
    bool delPrograma = false;
  };

  comun::Registro& base_;
  std::map<std::string, std::int32_t> ajustes_;  // by name in upper case
  std::map<Clave, Abierta> abiertas_;
  Clave siguiente_ = 1;
};

}  // namespace quillora
