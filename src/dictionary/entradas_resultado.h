#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace quillora {

class Entrada;

// The entries a search found, each at most once (by the key of its text), in the order found. It
// refers to the entries without owning them. Results hold a handful of entries, so a plain
// vector searched from the start serves, and an empty result allocates nothing.
class EntradasResultado {
 public:
  // Appends the entry unless an entry with its key is present.
  void Add(const std::shared_ptr<Entrada>& entrada);
  // By 1-based position; ErrorColeccion outside 1 to Count.
  std::shared_ptr<Entrada> Item(std::int32_t indice) const;
  // By the key of `texto`; nullptr when absent.
  std::shared_ptr<Entrada> ItemByText(std::string_view texto) const;
  std::int32_t Count() const { return static_cast<std::int32_t>(entradas_.size()); }
  // Removes the entry with the key of `entrada`; ErrorColeccion when there is none.
  void Remove(const std::shared_ptr<Entrada>& entrada);
  void Clear() { entradas_.clear(); }
  std::vector<std::shared_ptr<Entrada>> NewEnum() const { return entradas_; }

 private:
  friend class Entradas;

  // Appends without looking for the key: the caller knows it is not present.
  void Anadir(std::shared_ptr<Entrada> entrada) { entradas_.push_back(std::move(entrada)); }

  std::vector<std::shared_ptr<Entrada>>::const_iterator Buscar(std::string_view clave) const;

  std::vector<std::shared_ptr<Entrada>> entradas_;
};

}  // namespace quillora
