#pragma once

#include <ocidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <functional>
#include <memory>

#include "contexto.h"
#include "objeto_com_propio.h"

namespace quillora::word_falso {

// A connection point of the fake for one outgoing dispinterface. A sink must answer that
// interface's IID, as Office asks it to; what connecting and disconnecting do is the owner's.
class PuntoConexion final : public com::ObjetoComPropio<IConnectionPoint> {
 public:
  using Conectar = std::function<DWORD(Microsoft::WRL::ComPtr<IDispatch> sumidero)>;
  // False when no connection has the cookie.
  using Desconectar = std::function<bool(DWORD cookie)>;

  PuntoConexion(std::shared_ptr<Contexto> contexto, const GUID& eventos,
                Microsoft::WRL::ComPtr<IConnectionPointContainer> contenedor, Conectar conectar,
                Desconectar desconectar);
  ~PuntoConexion() override;

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE
  GetConnectionPointContainer(IConnectionPointContainer** contenedor) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sumidero, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** conexiones) override;

 protected:
  IUnknown* Interfaz(REFIID iid) noexcept override;

 private:
  std::shared_ptr<Contexto> contexto_;
  GUID eventos_;
  Microsoft::WRL::ComPtr<IConnectionPointContainer> contenedor_;
  Conectar conectar_;
  Desconectar desconectar_;
};

}  // namespace quillora::word_falso
