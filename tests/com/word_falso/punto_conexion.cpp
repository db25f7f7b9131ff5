#include "punto_conexion.h"

#include <olectl.h>

#include <exception>
#include <new>

namespace quillora::word_falso {

PuntoConexion::PuntoConexion(std::shared_ptr<Contexto> contexto, const GUID& eventos,
                             Microsoft::WRL::ComPtr<IConnectionPointContainer> contenedor,
                             Conectar conectar, Desconectar desconectar)
    : contexto_(std::move(contexto)),
      eventos_(eventos),
      contenedor_(std::move(contenedor)),
      conectar_(std::move(conectar)),
      desconectar_(std::move(desconectar)) {
  contexto_->Nace();
}

PuntoConexion::~PuntoConexion() { contexto_->Muere(); }

IUnknown* PuntoConexion::Interfaz(REFIID iid) noexcept {
  if (iid == IID_IUnknown || iid == IID_IConnectionPoint)
    return static_cast<IConnectionPoint*>(this);
  return nullptr;
}

HRESULT PuntoConexion::GetConnectionInterface(IID* iid) {
  if (iid == nullptr) return E_POINTER;
  *iid = eventos_;
  return S_OK;
}

HRESULT PuntoConexion::GetConnectionPointContainer(IConnectionPointContainer** contenedor) {
  if (contenedor == nullptr) return E_POINTER;
  return contenedor_.CopyTo(contenedor);
}

HRESULT PuntoConexion::Advise(IUnknown* sumidero, DWORD* cookie) {
  if (sumidero == nullptr || cookie == nullptr) return E_POINTER;
  *cookie = 0;
  // The outgoing interface is a dispinterface: what answers its IID is an IDispatch.
  Microsoft::WRL::ComPtr<IUnknown> eventos;
  if (FAILED(
          sumidero->QueryInterface(eventos_, reinterpret_cast<void**>(eventos.GetAddressOf())))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  Microsoft::WRL::ComPtr<IDispatch> despacho(static_cast<IDispatch*>(eventos.Get()));
  try {
    *cookie = conectar_(std::move(despacho));
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return CONNECT_E_CANNOTCONNECT;
  }
}

HRESULT PuntoConexion::Unadvise(DWORD cookie) {
  try {
    return desconectar_(cookie) ? S_OK : CONNECT_E_NOCONNECTION;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT PuntoConexion::EnumConnections(IEnumConnections** conexiones) {
  if (conexiones != nullptr) *conexiones = nullptr;
  return E_NOTIMPL;
}

}  // namespace quillora::word_falso
