#pragma once

#include <oaidl.h>
#include <ocidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "argumentos.h"
#include "contexto.h"
#include "objeto_com_propio.h"
#include "variante.h"

namespace quillora::word_falso {

using com::Variante;

// A COM object of the fake: IDispatch over a table of members that a subclass fills in, found by
// name without regard to case, as Word's are. A property answers DISPATCH_PROPERTYGET (and
// DISPATCH_PROPERTYPUT when it can be written), a method DISPATCH_METHOD; Item is DISPID_VALUE.
// A member that throws word::HostError (or any exception) answers DISP_E_EXCEPTION with its
// message; an ErrorDespacho answers its own HRESULT.
//
// Objects with connection points also answer IConnectionPointContainer.
class ObjetoFalso : public com::DespachoSinTipos<IConnectionPointContainer> {
 public:
  explicit ObjetoFalso(std::shared_ptr<Contexto> contexto);
  ~ObjetoFalso() override;

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* nombres, UINT cuantos, LCID idioma,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID idioma, WORD flags,
                                   DISPPARAMS* parametros, VARIANT* resultado, EXCEPINFO* excepcion,
                                   UINT* argumentoErroneo) override;

  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** puntos) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** punto) override;

  // Makes it the one object for `clave` until it dies.
  void HacerUnico(const Contexto::Clave& clave);

 protected:
  using Lector = std::function<Variante(const Argumentos&)>;

  IUnknown* Interfaz(REFIID iid) noexcept override;
  using Escritor = std::function<void(const Argumentos&)>;

  void Propiedad(std::wstring nombre, Lector leer, Escritor escribir = nullptr);
  // A property that can only be written, as Office's button pictures.
  void PropiedadSoloEscritura(std::wstring nombre, Escritor escribir);
  // A property with parameters, as Item of Office's collections.
  void Propiedad(std::wstring nombre, std::vector<std::wstring> parametros, Lector leer);
  void Metodo(std::wstring nombre, std::vector<std::wstring> parametros, Lector llamar);

  // The connection point for an outgoing interface; none by default.
  virtual Microsoft::WRL::ComPtr<IConnectionPoint> PuntoDeConexion(REFIID iid);
  virtual bool TienePuntosDeConexion() const { return false; }

  const std::shared_ptr<Contexto>& GetContexto() const { return contexto_; }

 private:
  struct Miembro {
    std::wstring nombre;
    DISPID id;
    std::vector<std::wstring> parametros;
    Lector leer;
    Escritor escribir;
    Lector llamar;
  };
  Miembro& Agregar(std::wstring nombre, std::vector<std::wstring> parametros);
  const Miembro* Buscar(DISPID id) const;
  HRESULT Ejecutar(const Miembro& miembro, WORD flags, const DISPPARAMS& parametros,
                   VARIANT* resultado);

  std::shared_ptr<Contexto> contexto_;
  std::vector<Miembro> miembros_;
  std::optional<Contexto::Clave> clave_;
};

// The one object of class T for `modelo` (built from the context and the model), or Nothing for
// no model.
template <typename T, typename M>
Microsoft::WRL::ComPtr<IDispatch> Unico(const std::shared_ptr<Contexto>& contexto,
                                        const std::shared_ptr<M>& modelo) {
  if (!modelo) return nullptr;
  const Contexto::Clave clave{static_cast<const void*>(modelo.get()), typeid(T)};
  if (auto* existente = contexto->Unico(clave)) return static_cast<IDispatch*>(existente);
  auto nuevo = com::NuevoObjetoPropio<T>(contexto, modelo);
  nuevo->HacerUnico(clave);
  return nuevo;
}

// A new object of class T for `modelo`, or Nothing for no model.
template <typename T, typename M>
Microsoft::WRL::ComPtr<IDispatch> Otro(const std::shared_ptr<Contexto>& contexto,
                                       const std::shared_ptr<M>& modelo) {
  if (!modelo) return nullptr;
  return com::NuevoObjetoPropio<T>(contexto, modelo);
}

}  // namespace quillora::word_falso
