#pragma once

#include <oaidl.h>
#include <windows.h>
#include <wrl/client.h>

#include "objeto_com_propio.h"

namespace quillora::com {

// A sink for an outgoing dispinterface: a COM object that Word calls through IDispatch::Invoke
// with the event's DISPID. No exception leaves it: a failing handler answers DISP_E_EXCEPTION with
// its message as the description.
class Sumidero : public DespachoSinTipos<> {
 public:
  explicit Sumidero(const GUID& eventos);

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* nombres, UINT cuantos, LCID idioma,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID idioma, WORD flags,
                                   DISPPARAMS* parametros, VARIANT* resultado, EXCEPINFO* excepcion,
                                   UINT* argumentoErroneo) override;

 protected:
  IUnknown* Interfaz(REFIID iid) noexcept override;

  // Handles one event; events it does not follow are ignored.
  virtual void Recibir(DISPID id, DISPPARAMS& parametros) = 0;

  // The event's argument at `posicion`, from 0 in the event's order, taken as an object.
  static Microsoft::WRL::ComPtr<IDispatch> ArgumentoObjeto(const DISPPARAMS& parametros,
                                                           UINT posicion);
  // The event's boolean argument at `posicion` passed by reference, which the handler may set.
  static VARIANT_BOOL& ArgumentoLogicoPorReferencia(const DISPPARAMS& parametros, UINT posicion);

 private:
  GUID eventos_;
};

}  // namespace quillora::com
