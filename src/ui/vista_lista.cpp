#include "ui/vista_lista.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "common/colacion.h"

namespace quillora::ui {

const std::string& VistaLista::Fila::Celda(std::size_t columna) const {
  if (columna == 0) return Text;
  if (columna > SubItems.size()) {
    throw std::out_of_range("La fila no tiene la columna " + std::to_string(columna));
  }
  return SubItems[columna - 1];
}

std::string& VistaLista::Fila::Celda(std::size_t columna) {
  return const_cast<std::string&>(std::as_const(*this).Celda(columna));
}

std::vector<VistaLista::Fila>& VistaLista::ListItems() {
  OrdenarPendientes();
  return filas_;
}

const std::vector<VistaLista::Fila>& VistaLista::ListItems() const {
  OrdenarPendientes();
  return filas_;
}

void VistaLista::Add(Fila fila) {
  filas_.push_back(std::move(fila));
  // The rows before it are in order: a stable sort puts the new ones where one by one
  // insertion after their equals would.
  pendiente_ = pendiente_ || ordenada_;
}

void VistaLista::Remove(std::size_t posicion) {
  OrdenarPendientes();
  if (posicion >= filas_.size()) {
    throw std::out_of_range("La lista no tiene la fila " + std::to_string(posicion + 1));
  }
  filas_.erase(filas_.begin() + static_cast<std::ptrdiff_t>(posicion));
}

void VistaLista::Clear() {
  filas_.clear();
  pendiente_ = false;
}

void VistaLista::Refresh() { pendiente_ = ordenada_; }

// Setting several of these in a row sorts once, when the rows are next read.
void VistaLista::SetSortKey(std::int32_t clave) {
  claveOrden_ = clave;
  Refresh();
}

void VistaLista::SetSortOrder(OrdenLista orden) {
  orden_ = orden;
  Refresh();
}

void VistaLista::SetSorted(bool ordenada) {
  ordenada_ = ordenada;
  Refresh();
}

void VistaLista::OrdenarPendientes() const {
  if (!pendiente_) return;
  pendiente_ = false;
  const auto columna = static_cast<std::size_t>(std::max(claveOrden_, 0));
  // A row without the sort column sorts as an empty text.
  const auto celda = [columna](const Fila& fila) -> std::string_view {
    return columna == 0                      ? fila.Text
           : columna <= fila.SubItems.size() ? std::string_view(fila.SubItems[columna - 1])
                                             : std::string_view();
  };
  const bool descendente = orden_ == OrdenLista::Descendente;
  const texto::Colacion colacion;
  std::stable_sort(filas_.begin(), filas_.end(), [&](const Fila& a, const Fila& b) {
    const auto orden = colacion.Comparar(celda(a), celda(b));
    return descendente ? orden > 0 : orden < 0;
  });
}

}  // namespace quillora::ui
