#include "fabrica_connect.h"

#include <unknwn.h>

#include <memory>

#include "hresult.h"
#include "modulo.h"
#include "objeto_com_propio.h"
#include "objeto_connect.h"
#include "servicios_win32.h"

namespace quillora::complemento {

namespace {

class FabricaConnect final : public com::ObjetoComPropio<IClassFactory> {
 public:
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* exterior, REFIID iid, void** objeto) override {
    return Proteger([&] {
      if (objeto == nullptr) return E_POINTER;
      *objeto = nullptr;
      if (exterior != nullptr) return CLASS_E_NOAGGREGATION;
      return CrearConnect(std::make_shared<win32::ServiciosWin32>(InstanciaModulo()), iid, objeto);
    });
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL bloquear) override {
    BloquearServidor(bloquear != FALSE);
    return S_OK;
  }

 protected:
  IUnknown* Interfaz(REFIID iid) noexcept override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) return static_cast<IClassFactory*>(this);
    return nullptr;
  }
};

}  // namespace

HRESULT CrearFabricaConnect(REFIID iid, void** fabrica) {
  return Proteger(
      [&] { return com::NuevoObjetoPropio<FabricaConnect>()->QueryInterface(iid, fabrica); });
}

}  // namespace quillora::complemento
