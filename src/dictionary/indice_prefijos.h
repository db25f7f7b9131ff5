#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "dictionary/hash_texto.h"

namespace quillora {

// The beginnings of the entries' upper texts that end where a word does: for "LOS NIÑOS
// PEQUEÑOS", "LOS", "LOS NIÑOS" and the whole text. Whether some entry equals a key K or begins
// with K and a blank is then one lookup, however many entries share K's first word.
class IndicePrefijos {
 public:
  void Add(std::string_view mayusculas);
  void Remove(std::string_view mayusculas);
  void Clear() { cuentas_.clear(); }
  bool Contiene(std::string_view clave) const { return cuentas_.contains(clave); }

 private:
  // How many entries have each beginning.
  std::unordered_map<std::string, std::int32_t, HashTexto, std::equal_to<>> cuentas_;
};

}  // namespace quillora
