#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "dictionary/error_coleccion.h"
#include "dictionary/hash_texto.h"

namespace quillora {

// The hook of a removal that has nothing to undo.
struct SinAccion {
  template <typename P>
  void operator()(const P& /*item*/) const noexcept {}
};

// Shared items in insertion order under unique text keys that the caller computes: by 1-based
// position and by key in O(1). Removing the first item is O(1) amortised, so emptying a list
// from the front takes linear time however long it is.
//
// A removal may run a hook on the item first, while it is still listed; the hook must not
// change this list.
template <typename T>
class ListaClave {
 public:
  using Puntero = std::shared_ptr<T>;

  ListaClave() = default;
  ListaClave(const ListaClave&) = delete;
  ListaClave& operator=(const ListaClave&) = delete;
  ~ListaClave() = default;

  // Appends `item` under `clave`; when the key is taken, nothing changes and the answer is false.
  bool Add(std::string clave, Puntero item) {
    const auto [nodo, nuevo] = porClave_.try_emplace(std::move(clave), std::move(item));
    if (!nuevo) return false;
    try {
      orden_.push_back(&*nodo);
    } catch (...) {
      porClave_.erase(nodo);
      throw;
    }
    return true;
  }

  // The item at the 1-based position `indice`; ErrorColeccion outside 1 to Count.
  Puntero Item(std::int32_t indice) const { return orden_[Posicion(indice)]->second; }

  // The item under `clave`, or nullptr.
  Puntero ItemByKey(std::string_view clave) const {
    const auto nodo = porClave_.find(clave);
    return nodo == porClave_.end() ? nullptr : nodo->second;
  }

  std::int32_t Count() const { return static_cast<std::int32_t>(orden_.size() - inicio_); }

  template <typename AlQuitar = SinAccion>
  void Remove(std::int32_t indice, AlQuitar alQuitar = {}) {
    Quitar(Posicion(indice), alQuitar);
  }

  // ErrorColeccion when nothing is stored under `clave`.
  template <typename AlQuitar = SinAccion>
  void RemoveByKey(std::string_view clave, AlQuitar alQuitar = {}) {
    const auto nodo = porClave_.find(clave);
    if (nodo == porClave_.end()) throw ErrorColeccion::ClaveInexistente(clave);
    const auto vivos = orden_.begin() + static_cast<std::ptrdiff_t>(inicio_);
    const auto posicion = std::find(vivos, orden_.end(), &*nodo) - orden_.begin();
    Quitar(static_cast<std::size_t>(posicion), alQuitar);
  }

  // Removes the first item until none is left, so each item gets its hook in order.
  template <typename AlQuitar = SinAccion>
  void Clear(AlQuitar alQuitar = {}) {
    while (Count() > 0) Quitar(inicio_, alQuitar);
  }

  // A snapshot of the items in insertion order; later changes of the list do not reach it.
  std::vector<Puntero> NewEnum() const {
    std::vector<Puntero> items;
    items.reserve(static_cast<std::size_t>(Count()));
    for (auto i = inicio_; i < orden_.size(); ++i) items.push_back(orden_[i]->second);
    return items;
  }

 private:
  using Mapa = std::unordered_map<std::string, Puntero, HashTexto, std::equal_to<>>;
  using Nodo = typename Mapa::value_type;

  std::size_t Posicion(std::int32_t indice) const {
    if (indice < 1 || indice > Count()) {
      throw ErrorColeccion::IndiceFueraDeIntervalo(indice, Count());
    }
    return inicio_ + static_cast<std::size_t>(indice - 1);
  }

  template <typename AlQuitar>
  void Quitar(std::size_t posicion, AlQuitar& alQuitar) {
    Nodo* nodo = orden_[posicion];
    alQuitar(std::as_const(nodo->second));
    if (posicion == inicio_) {
      ++inicio_;
      Compactar();
    } else {
      orden_.erase(orden_.begin() + static_cast<std::ptrdiff_t>(posicion));
    }
    // The item may die here; it does so once the list is whole again.
    const Puntero item = std::move(nodo->second);
    porClave_.erase(porClave_.find(nodo->first));
  }

  // The front of `orden_` left by removals is dropped once it is half the vector: each
  // removal from the front pays for moving at most one item.
  void Compactar() {
    if (2 * inicio_ < orden_.size()) return;
    orden_.erase(orden_.begin(), orden_.begin() + static_cast<std::ptrdiff_t>(inicio_));
    inicio_ = 0;
  }

  Mapa porClave_;
  // The map's nodes in insertion order, from `inicio_` on; nodes keep their address while the
  // map grows.
  std::vector<Nodo*> orden_;
  std::size_t inicio_ = 0;
};

}  // namespace quillora
