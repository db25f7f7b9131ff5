#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "dictionary/lista_clave.h"

namespace quillora {

class Entrada;

// The entries that have one class of type C, keyed by their text. Entradas owns the entries; the
// list only refers to them, and the entries' class setters and the class's removal keep it
// right, so the entry and class references it closes never outlive the dictionary.
template <typename C>
class ListaEntradasClase {
 public:
  // By 1-based position; ErrorColeccion outside 1 to Count.
  std::shared_ptr<Entrada> Item(std::int32_t indice) const;
  // By the key of `texto`; nullptr when absent.
  std::shared_ptr<Entrada> ItemByText(std::string_view texto) const;
  std::int32_t Count() const;
  std::vector<std::shared_ptr<Entrada>> NewEnum() const;

 private:
  friend class Entrada;
  friend struct VaciarClase;

  // Appends the entry unless an entry with its key is listed.
  void Add(const std::shared_ptr<Entrada>& entrada);
  // Takes the entry off the list and drops its link to the class.
  void Remove(const std::shared_ptr<Entrada>& entrada);
  // Takes every entry off, first to last, each losing its link to the class.
  void Clear();
  // What leaving the list does to an entry.
  static void SoltarClase(const std::shared_ptr<Entrada>& entrada);

  ListaClave<Entrada> lista_;
};

}  // namespace quillora
