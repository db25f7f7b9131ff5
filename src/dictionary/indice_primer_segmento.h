#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dictionary/hash_texto.h"

namespace quillora {

class Entrada;

// The entries grouped by the first segment of their upper text: what comes before its first
// blank (empty when it starts with one). An entry that equals a key K, or begins with K and a
// blank, shares K's first segment, so a prefix search looks at one group instead of every entry.
class IndicePrimerSegmento {
 public:
  void Add(const std::shared_ptr<Entrada>& entrada);
  void Remove(const Entrada& entrada);
  void Clear() { grupos_.clear(); }

  // The entries, in the order they were added, whose first segment is that of `clave`.
  std::span<const std::shared_ptr<Entrada>> Candidatos(std::string_view clave) const;

 private:
  using Grupo = std::vector<std::shared_ptr<Entrada>>;

  std::unordered_map<std::string, Grupo, HashTexto, std::equal_to<>> grupos_;
};

}  // namespace quillora
