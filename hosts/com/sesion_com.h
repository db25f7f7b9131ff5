#pragma once

#include <oaidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

#include "despacho.h"

namespace quillora::com {

// The wrappers alive over Word's objects: the same COM object (by its IUnknown identity), seen as
// the same interface, gives the same wrapper for as long as anyone holds it, so that the core may
// compare documents and comments by pointer. Word's objects live on one thread.
class Sesion : public std::enable_shared_from_this<Sesion> {
 public:
  // The one session of the process; it lives while any wrapper does.
  static std::shared_ptr<Sesion> Actual();

  // None for a null object. T is built from (session, object).
  template <typename T>
  std::shared_ptr<T> Envolver(ComPtr<IDispatch> objeto) {
    if (!objeto) return nullptr;
    const Clave clave{Identidad(objeto.Get()), std::type_index(typeid(T))};
    if (const auto existente = envoltorios_.find(clave); existente != envoltorios_.end()) {
      if (auto vivo = existente->second.lock()) return std::static_pointer_cast<T>(vivo);
    }
    auto nuevo = std::make_shared<T>(shared_from_this(), std::move(objeto));
    Recordar(clave, nuevo);
    return nuevo;
  }

 private:
  struct Clave {
    IUnknown* identidad;
    std::type_index tipo;
    bool operator==(const Clave&) const = default;
  };
  struct HashClave {
    std::size_t operator()(const Clave& clave) const {
      return std::hash<const void*>()(clave.identidad) ^ clave.tipo.hash_code();
    }
  };

  // The object's IUnknown, valid while the object is held.
  static IUnknown* Identidad(IDispatch* objeto);
  void Recordar(const Clave& clave, const std::shared_ptr<void>& envoltorio);

  std::unordered_map<Clave, std::weak_ptr<void>, HashClave> envoltorios_;
  std::size_t umbralPurga_ = 64;
};

// What every wrapper holds: its session and its object.
class ObjetoCom {
 public:
  ObjetoCom(std::shared_ptr<Sesion> sesion, ComPtr<IDispatch> objeto);
  virtual ~ObjetoCom() = default;
  ObjetoCom(const ObjetoCom&) = delete;
  ObjetoCom& operator=(const ObjetoCom&) = delete;

  IDispatch* Objeto() const { return despacho_.Objeto(); }

 protected:
  template <typename T>
  std::shared_ptr<T> Envolver(ComPtr<IDispatch> objeto) const {
    return sesion_->Envolver<T>(std::move(objeto));
  }
  const std::shared_ptr<Sesion>& GetSesion() const { return sesion_; }
  const Despacho& GetDespacho() const { return despacho_; }

 private:
  std::shared_ptr<Sesion> sesion_;
  Despacho despacho_;
};

}  // namespace quillora::com
