#include "sesion_com.h"

#include <algorithm>

#include "error_com.h"

namespace quillora::com {

std::shared_ptr<Sesion> Sesion::Actual() {
  static std::weak_ptr<Sesion> actual;
  auto sesion = actual.lock();
  if (!sesion) {
    sesion = std::make_shared<Sesion>();
    actual = sesion;
  }
  return sesion;
}

IUnknown* Sesion::Identidad(IDispatch* objeto) {
  ComPtr<IUnknown> identidad;
  const HRESULT hr = objeto->QueryInterface(IID_PPV_ARGS(&identidad));
  if (FAILED(hr)) LanzarFallo(hr, "Word ha dado un objeto sin identidad");
  return identidad.Get();
}

void Sesion::Recordar(const Clave& clave, const std::shared_ptr<void>& envoltorio) {
  // Dead wrappers are forgotten once the table has doubled since the last sweep.
  if (envoltorios_.size() >= umbralPurga_) {
    std::erase_if(envoltorios_, [](const auto& par) { return par.second.expired(); });
    umbralPurga_ = std::max<std::size_t>(64, envoltorios_.size() * 2);
  }
  envoltorios_.insert_or_assign(clave, envoltorio);
}

ObjetoCom::ObjetoCom(std::shared_ptr<Sesion> sesion, ComPtr<IDispatch> objeto)
    : sesion_(std::move(sesion)), despacho_(std::move(objeto)) {}

}  // namespace quillora::com
