#include "fabrica_connect.h"

#include <unknwn.h>

#include <memory>

#include "hresult.h"
#include "modulo.h"
#include "objeto_connect.h"
#include "servicios_win32.h"

namespace quillora::complemento {

namespace {

class FabricaConnect final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objeto) override {
    if (objeto == nullptr) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
      *objeto = nullptr;
      return E_NOINTERFACE;
    }
    *objeto = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++referencias_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const auto quedan = --referencias_;
    if (quedan == 0) delete this;
    return quedan;
  }

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

 private:
  ULONG referencias_ = 1;
};

}  // namespace

HRESULT CrearFabricaConnect(REFIID iid, void** fabrica) {
  return Proteger([&] {
    auto* nueva = new FabricaConnect;
    const auto resultado = nueva->QueryInterface(iid, fabrica);
    nueva->Release();
    return resultado;
  });
}

}  // namespace quillora::complemento
