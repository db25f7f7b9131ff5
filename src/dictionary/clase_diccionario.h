#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace quillora {

// What morphological and sexism classes share: an id, a name set once by the class collection,
// a description and the list of the entries that have the class.
template <typename Lista>
class ClaseDiccionario {
 public:
  ClaseDiccionario(const ClaseDiccionario&) = delete;
  ClaseDiccionario& operator=(const ClaseDiccionario&) = delete;

  std::int32_t GetId() const { return id_; }
  void SetId(std::int32_t id) { id_ = id; }
  const std::string& GetDescripcion() const { return descripcion_; }
  void SetDescripcion(std::string descripcion) { descripcion_ = std::move(descripcion); }
  const std::shared_ptr<Lista>& GetEntradas() const { return entradas_; }

 protected:
  explicit ClaseDiccionario(std::string nombre) : nombre_(std::move(nombre)) {}
  // The entries' links are shared references, so a class outlives every entry linked to it and
  // has nobody left to unlink when it goes.
  ~ClaseDiccionario() = default;

  const std::string& Nombre() const { return nombre_; }

 private:
  friend struct VaciarClase;

  std::int32_t id_ = 0;
  std::string nombre_;
  std::string descripcion_;
  std::shared_ptr<Lista> entradas_ = std::make_shared<Lista>();
};

// A class leaves its collection with its entry list emptied, each listed entry losing its link
// to it: that breaks the references between entries and classes.
struct VaciarClase {
  template <typename Clase>
  void operator()(const std::shared_ptr<Clase>& clase) const {
    clase->entradas_->Clear();
  }
};

}  // namespace quillora
