#pragma once

#include <windows.h>
// After <windows.h>, which they need.
#include <oaidl.h>
#include <wrl/client.h>

#include <initializer_list>
#include <vector>

namespace quillora::complemento {

// IDispatch for an object with several dual interfaces, from the module's type library: a name
// is looked up in each interface in turn, and a call goes to the interface that has the member.
class DespachoInterfaces {
 public:
  struct Interfaz {
    IID iid;
    // The object's pointer for that interface, whose table the type information describes.
    IUnknown* objeto;
  };
  // The first interface is the one IDispatch::GetTypeInfo describes.
  explicit DespachoInterfaces(std::initializer_list<Interfaz> interfaces);

  HRESULT GetTypeInfo(UINT indice, ITypeInfo** info) const;
  HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* nombres, UINT cuantos, DISPID* ids) const;
  HRESULT Invoke(DISPID id, REFIID iid, WORD flags, DISPPARAMS* parametros, VARIANT* resultado,
                 EXCEPINFO* excepcion, UINT* argumentoErroneo) const;

 private:
  struct Tipo {
    Microsoft::WRL::ComPtr<ITypeInfo> despacho;
    Microsoft::WRL::ComPtr<ITypeInfo> tabla;
    IUnknown* objeto;
  };
  std::vector<Tipo> tipos_;
};

}  // namespace quillora::complemento
