#include "conexion_com.h"

#include <string>
#include <utility>

#include "error_com.h"

namespace quillora::com {

Conexion::Conexion(IDispatch* origen, const GUID& eventos, IUnknown* sumidero,
                   std::string_view que) {
  const std::string contexto = "No se han podido conectar los eventos " + std::string(que);
  Microsoft::WRL::ComPtr<IConnectionPointContainer> contenedor;
  HRESULT hr = origen->QueryInterface(IID_PPV_ARGS(&contenedor));
  if (FAILED(hr)) LanzarFallo(hr, contexto);
  hr = contenedor->FindConnectionPoint(eventos, &punto_);
  if (FAILED(hr)) LanzarFallo(hr, contexto);
  hr = punto_->Advise(sumidero, &cookie_);
  if (FAILED(hr)) {
    punto_.Reset();
    LanzarFallo(hr, contexto);
  }
}

Conexion::~Conexion() { Desconectar(); }

Conexion::Conexion(Conexion&& otra) noexcept
    : punto_(std::move(otra.punto_)), cookie_(std::exchange(otra.cookie_, 0)) {}

Conexion& Conexion::operator=(Conexion&& otra) noexcept {
  if (this != &otra) {
    Desconectar();
    punto_ = std::move(otra.punto_);
    cookie_ = std::exchange(otra.cookie_, 0);
  }
  return *this;
}

void Conexion::Desconectar() noexcept {
  if (!punto_) return;
  punto_->Unadvise(cookie_);
  punto_.Reset();
}

}  // namespace quillora::com
