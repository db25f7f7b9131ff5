#include "sumidero.h"

#include <exception>
#include <new>
#include <stdexcept>
#include <utility>

#include "despacho.h"
#include "variante.h"

namespace quillora::com {

namespace {

const VARIANT& Argumento(const DISPPARAMS& parametros, UINT posicion) {
  if (posicion >= parametros.cArgs || parametros.cNamedArgs != 0) {
    throw std::invalid_argument("Word ha llamado al evento con otros argumentos");
  }
  return parametros.rgvarg[parametros.cArgs - 1 - posicion];
}

// Answers the HRESULT of a failed handler: DISP_E_EXCEPTION, with the message as description.
HRESULT Describir(EXCEPINFO* excepcion, const char* mensaje) noexcept {
  if (excepcion == nullptr) return DISP_E_EXCEPTION;
  *excepcion = EXCEPINFO{};
  excepcion->scode = E_FAIL;
  try {
    excepcion->bstrSource = ABstr("Quillora");
    excepcion->bstrDescription = ABstr(mensaje);
  } catch (const std::bad_alloc&) {
    SysFreeString(excepcion->bstrSource);
    *excepcion = EXCEPINFO{};
    return E_OUTOFMEMORY;
  }
  return DISP_E_EXCEPTION;
}

}  // namespace

Sumidero::Sumidero(const GUID& eventos) : eventos_(eventos) {}

HRESULT Sumidero::QueryInterface(REFIID iid, void** objeto) {
  if (objeto == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == eventos_) {
    *objeto = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *objeto = nullptr;
  return E_NOINTERFACE;
}

ULONG Sumidero::AddRef() { return ++referencias_; }

ULONG Sumidero::Release() {
  const ULONG quedan = --referencias_;
  if (quedan == 0) delete this;
  return quedan;
}

HRESULT Sumidero::GetTypeInfoCount(UINT* cuantas) {
  if (cuantas == nullptr) return E_POINTER;
  *cuantas = 0;
  return S_OK;
}

HRESULT Sumidero::GetTypeInfo(UINT /*indice*/, LCID /*idioma*/, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT Sumidero::GetIDsOfNames(REFIID /*iid*/, LPOLESTR* /*nombres*/, UINT cuantos,
                                LCID /*idioma*/, DISPID* ids) {
  for (UINT i = 0; ids != nullptr && i < cuantos; ++i) ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT Sumidero::Invoke(DISPID id, REFIID /*iid*/, LCID /*idioma*/, WORD /*flags*/,
                         DISPPARAMS* parametros, VARIANT* resultado, EXCEPINFO* excepcion,
                         UINT* /*argumentoErroneo*/) {
  if (resultado != nullptr) VariantInit(resultado);
  if (parametros == nullptr) return E_POINTER;
  try {
    Recibir(id, *parametros);
    return S_OK;
  } catch (const std::exception& error) {
    return Describir(excepcion, error.what());
  } catch (...) {
    return Describir(excepcion, "Error desconocido en un evento de Word");
  }
}

Microsoft::WRL::ComPtr<IDispatch> Sumidero::ArgumentoObjeto(const DISPPARAMS& parametros,
                                                            UINT posicion) {
  Variante directo;
  if (FAILED(VariantCopyInd(directo.Receptor(),
                            const_cast<VARIANT*>(&Argumento(parametros, posicion))))) {
    throw std::invalid_argument("Word ha llamado al evento con un argumento ilegible");
  }
  return Resultado("evento", std::move(directo)).Objeto();
}

VARIANT_BOOL& Sumidero::ArgumentoLogicoPorReferencia(const DISPPARAMS& parametros, UINT posicion) {
  const VARIANT& argumento = Argumento(parametros, posicion);
  if (argumento.vt == (VT_BOOL | VT_BYREF) && argumento.pboolVal != nullptr) {
    return *argumento.pboolVal;
  }
  if (argumento.vt == (VT_VARIANT | VT_BYREF) && argumento.pvarVal != nullptr &&
      argumento.pvarVal->vt == VT_BOOL) {
    return argumento.pvarVal->boolVal;
  }
  throw std::invalid_argument("Word ha llamado al evento sin un argumento de cancelación válido");
}

}  // namespace quillora::com
