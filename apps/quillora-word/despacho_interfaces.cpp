#include "despacho_interfaces.h"

#include <oleauto.h>

#include "hresult.h"
#include "modulo.h"

namespace quillora::complemento {

namespace {

using Microsoft::WRL::ComPtr;

// The table part of a dual interface; a plain interface is its own table.
ComPtr<ITypeInfo> Tabla(ITypeInfo* tipo) {
  HREFTYPE referencia = 0;
  if (FAILED(tipo->GetRefTypeOfImplType(-1, &referencia))) return tipo;
  ComPtr<ITypeInfo> tabla;
  Comprobar(tipo->GetRefTypeInfo(referencia, &tabla));
  return tabla;
}

}  // namespace

DespachoInterfaces::DespachoInterfaces(std::initializer_list<Interfaz> interfaces) {
  ComPtr<ITypeLib> biblioteca;
  Comprobar(LoadTypeLibEx(RutaModulo().c_str(), REGKIND_NONE, &biblioteca));
  for (const auto& interfaz : interfaces) {
    Tipo tipo{.despacho = nullptr, .tabla = nullptr, .objeto = interfaz.objeto};
    Comprobar(biblioteca->GetTypeInfoOfGuid(interfaz.iid, &tipo.despacho));
    tipo.tabla = Tabla(tipo.despacho.Get());
    tipos_.push_back(std::move(tipo));
  }
}

HRESULT DespachoInterfaces::GetTypeInfo(UINT indice, ITypeInfo** info) const {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  if (indice != 0) return DISP_E_BADINDEX;
  return tipos_.front().despacho.CopyTo(info);
}

HRESULT DespachoInterfaces::GetIDsOfNames(REFIID iid, LPOLESTR* nombres, UINT cuantos,
                                          DISPID* ids) const {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  HRESULT resultado = DISP_E_UNKNOWNNAME;
  for (const auto& tipo : tipos_) {
    resultado = DispGetIDsOfNames(tipo.tabla.Get(), nombres, cuantos, ids);
    if (resultado != DISP_E_UNKNOWNNAME) return resultado;
  }
  return resultado;
}

HRESULT DespachoInterfaces::Invoke(DISPID id, REFIID iid, WORD flags, DISPPARAMS* parametros,
                                   VARIANT* resultado, EXCEPINFO* excepcion,
                                   UINT* argumentoErroneo) const {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  HRESULT respuesta = DISP_E_MEMBERNOTFOUND;
  for (const auto& tipo : tipos_) {
    respuesta = DispInvoke(tipo.objeto, tipo.tabla.Get(), id, flags, parametros, resultado,
                           excepcion, argumentoErroneo);
    if (respuesta != DISP_E_MEMBERNOTFOUND) return respuesta;
  }
  return respuesta;
}

}  // namespace quillora::complemento
