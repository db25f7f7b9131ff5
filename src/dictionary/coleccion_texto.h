#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/clave_texto.h"
#include "dictionary/lista_clave.h"
#include "dictionary/permiso_creacion.h"

namespace quillora {

// A collection of records made from a text and stored under its key (ClaveTexto). `AlQuitar`
// undoes what a record owes to others before it leaves the collection.
template <typename T, typename AlQuitar = SinAccion>
class ColeccionTexto {
 public:
  ColeccionTexto() = default;
  ColeccionTexto(const ColeccionTexto&) = delete;
  ColeccionTexto& operator=(const ColeccionTexto&) = delete;
  ~ColeccionTexto() = default;

  // The new record, made from `texto` unchanged; nullptr, and nothing added, when its key is
  // taken.
  std::shared_ptr<T> Add(std::string_view texto) {
    auto item = std::make_shared<T>(PermisoCreacion{}, std::string(texto));
    return lista_.Add(ClaveTexto(texto), item) ? item : nullptr;
  }

  // By 1-based position; ErrorColeccion outside 1 to Count.
  std::shared_ptr<T> Item(std::int32_t indice) const { return lista_.Item(indice); }

  // By the key of `texto`; nullptr when absent.
  std::shared_ptr<T> ItemByText(std::string_view texto) const {
    return lista_.ItemByKey(ClaveTexto(texto));
  }

  std::int32_t Count() const { return lista_.Count(); }

  // ErrorColeccion, and nothing changes, when the position or key is not present.
  void Remove(std::int32_t indice) { lista_.Remove(indice, AlQuitar{}); }
  void Remove(std::string_view texto) { lista_.RemoveByKey(ClaveTexto(texto), AlQuitar{}); }

  void Clear() { lista_.Clear(AlQuitar{}); }

  std::vector<std::shared_ptr<T>> NewEnum() const { return lista_.NewEnum(); }

 private:
  ListaClave<T> lista_;
};

}  // namespace quillora
