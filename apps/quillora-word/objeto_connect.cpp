#include "objeto_connect.h"

#include <utility>

#include "addin/connect.h"
#include "aplicacion_com.h"
#include "despacho_interfaces.h"
#include "hresult.h"
#include "modulo.h"
#include "objeto_com_propio.h"
#include "procesos_windows.h"
#include "quillora_word_idl.h"
#include "registro_windows.h"
#include "shell_windows.h"
#include "ui/servicios.h"

namespace quillora::complemento {

namespace {

// Word's extra arguments, which the add-in does not read.
const Custom kSinArgumentos;

// The add-in instance object, held with a reference of the add-in's own.
std::shared_ptr<void> Retener(IDispatch* objeto) {
  if (objeto == nullptr) return nullptr;
  objeto->AddRef();
  return {objeto, [](void* retenido) { static_cast<IDispatch*>(retenido)->Release(); }};
}

// The COM face of the add-in: Word drives quillora::Connect through IDTExtensibility2, and
// scripts reach both interfaces by name through IDispatch.
class ObjetoConnect final
    : public com::ObjetoComPropio<IConnect, ::IDTExtensibility2, ISupportErrorInfo> {
 public:
  explicit ObjetoConnect(std::shared_ptr<ui::Servicios> servicios)
      : servicios_(std::move(servicios)),
        connect_(*servicios_, comun::Entorno{registro_, shell_, procesos_}),
        despacho_({{IID_IConnect, static_cast<IConnect*>(this)},
                   {IID_IDTExtensibility2, static_cast<::IDTExtensibility2*>(this)}}) {
    ObjetoCreado();
  }
  ~ObjetoConnect() override { ObjetoDestruido(); }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* cuantas) override {
    if (cuantas == nullptr) return E_POINTER;
    *cuantas = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT indice, LCID, ITypeInfo** info) override {
    return despacho_.GetTypeInfo(indice, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* nombres, UINT cuantos, LCID,
                                          DISPID* ids) override {
    return despacho_.GetIDsOfNames(iid, nombres, cuantos, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* parametros,
                                   VARIANT* resultado, EXCEPINFO* excepcion,
                                   UINT* argumentoErroneo) override {
    return despacho_.Invoke(id, iid, flags, parametros, resultado, excepcion, argumentoErroneo);
  }

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
    return iid == IID_IConnect || iid == IID_IDTExtensibility2 ? S_OK : S_FALSE;
  }

  // IConnect
  HRESULT STDMETHODCALLTYPE CrearBarra() override {
    return Proteger([&] { connect_.CrearBarra(); });
  }
  HRESULT STDMETHODCALLTYPE CrearMenus() override {
    return Proteger([&] { connect_.CrearMenus(); });
  }

  // IDTExtensibility2
  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, ::ext_ConnectMode ConnectMode,
                                         IDispatch* AddInInst, SAFEARRAY**) override {
    return Proteger([&] {
      auto aplicacion = Application == nullptr ? nullptr : com::AplicacionCom(Application);
      connect_.OnConnection(std::move(aplicacion), static_cast<ext_ConnectMode>(ConnectMode),
                            Retener(AddInInst), kSinArgumentos);
    });
  }
  HRESULT STDMETHODCALLTYPE OnDisconnection(::ext_DisconnectMode RemoveMode, SAFEARRAY**) override {
    return Proteger([&] {
      connect_.OnDisconnection(static_cast<ext_DisconnectMode>(RemoveMode), kSinArgumentos);
    });
  }
  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY**) override {
    return Proteger([&] { connect_.OnAddInsUpdate(kSinArgumentos); });
  }
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY**) override {
    return Proteger([&] { connect_.OnStartupComplete(kSinArgumentos); });
  }
  HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY**) override {
    return Proteger([&] { connect_.OnBeginShutdown(kSinArgumentos); });
  }

 protected:
  IUnknown* Interfaz(REFIID iid) noexcept override {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IConnect) {
      return static_cast<IConnect*>(this);
    }
    if (iid == IID_IDTExtensibility2) return static_cast<::IDTExtensibility2*>(this);
    if (iid == IID_ISupportErrorInfo) return static_cast<ISupportErrorInfo*>(this);
    return nullptr;
  }

 private:
  std::shared_ptr<ui::Servicios> servicios_;
  win32::RegistroWindows registro_;
  win32::ShellWindows shell_;
  win32::ProcesosWindows procesos_;
  Connect connect_;
  DespachoInterfaces despacho_;
};

}  // namespace

HRESULT CrearConnect(std::shared_ptr<ui::Servicios> servicios, REFIID iid, void** objeto) {
  return Proteger([&] {
    if (objeto == nullptr) return E_POINTER;
    *objeto = nullptr;
    return com::NuevoObjetoPropio<ObjetoConnect>(std::move(servicios))->QueryInterface(iid, objeto);
  });
}

}  // namespace quillora::complemento
