#pragma once

#include <oaidl.h>
#include <ocidl.h>
#include <olectl.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

#include "word_falso.h"

namespace quillora::word_falso {

class ObjetoFalso;

// What the fake's COM objects share: the options, the count of live objects, the objects that
// are unique per in-memory object, the sinks of the application events and the pictures put
// into buttons.
class Contexto {
 public:
  explicit Contexto(Opciones opciones) : opciones_(opciones) {}

  const Opciones& GetOpciones() const { return opciones_; }

  void Nace() { ++vivos_; }
  void Muere() { --vivos_; }
  std::int32_t Vivos() const { return vivos_; }

  // An object of the fake that stands for an in-memory object, by its address and the fake's
  // class; the object leaves the table when it dies.
  using Clave = std::pair<const void*, std::type_index>;
  ObjetoFalso* Unico(const Clave& clave) const;
  void RegistrarUnico(const Clave& clave, ObjetoFalso* objeto);
  void OlvidarUnico(const Clave& clave);

  DWORD ConectarAplicacion(Microsoft::WRL::ComPtr<IDispatch> sumidero);
  // False when no sink has the cookie.
  bool DesconectarAplicacion(DWORD cookie);
  std::vector<Microsoft::WRL::ComPtr<IDispatch>> SumiderosAplicacion() const;

  // Calls a sink for an event, with the arguments in the event's order, and remembers what it
  // answered.
  void Lanzar(IDispatch* sumidero, DISPID id, std::vector<VARIANT> argumentos);
  HRESULT UltimoResultadoEvento() const { return ultimoResultado_; }
  const std::string& UltimaDescripcionEvento() const { return ultimaDescripcion_; }

  // The Click connections of each control, by cookie; false when the control has no such one.
  void RegistrarClick(const void* control, DWORD cookie);
  bool QuitarClick(const void* control, DWORD cookie);

  // The picture (or, with `mascara`, the mask) of a control.
  void PonerImagen(const void* control, bool mascara, Microsoft::WRL::ComPtr<IPicture> imagen);
  Microsoft::WRL::ComPtr<IPicture> ImagenDe(const void* control, bool mascara) const;

 private:
  Opciones opciones_;
  std::int32_t vivos_ = 0;
  std::map<Clave, ObjetoFalso*> unicos_;
  std::vector<std::pair<DWORD, Microsoft::WRL::ComPtr<IDispatch>>> sumideros_;
  DWORD siguienteCookie_ = 1;
  std::set<std::pair<const void*, DWORD>> clicks_;
  HRESULT ultimoResultado_ = S_OK;
  std::string ultimaDescripcion_;
  std::map<std::pair<const void*, bool>, Microsoft::WRL::ComPtr<IPicture>> imagenes_;
};

}  // namespace quillora::word_falso
