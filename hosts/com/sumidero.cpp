#include "sumidero.h"

#include <exception>
#include <stdexcept>
#include <utility>

#include "despacho.h"
#include "error_com.h"
#include "variante.h"

namespace quillora::com {

namespace {

// Who a failed handler's description says failed.
constexpr const char* kFuente = "Quillora";

const VARIANT& Argumento(const DISPPARAMS& parametros, UINT posicion) {
  if (posicion >= parametros.cArgs || parametros.cNamedArgs != 0) {
    throw std::invalid_argument("Word ha llamado al evento con otros argumentos");
  }
  return parametros.rgvarg[parametros.cArgs - 1 - posicion];
}

}  // namespace

Sumidero::Sumidero(const GUID& eventos) : eventos_(eventos) {}

IUnknown* Sumidero::Interfaz(REFIID iid) noexcept {
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == eventos_) {
    return static_cast<IDispatch*>(this);
  }
  return nullptr;
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
    return DescribirExcepcion(excepcion, E_FAIL, kFuente, error.what());
  } catch (...) {
    return DescribirExcepcion(excepcion, E_FAIL, kFuente, "Error desconocido en un evento de Word");
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
