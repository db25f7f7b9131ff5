#pragma once

#include <oaidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "error_com.h"
#include "variante.h"

namespace quillora::com {

using Microsoft::WRL::ComPtr;

// What a member answered, read as the type the caller expects. A value of another type is a
// HostError that names the member.
class Resultado {
 public:
  Resultado(std::string_view miembro, Variante valor);

  std::int32_t Entero() const;
  bool Logico() const;
  std::string Texto() const;
  // Null when the member answered Nothing.
  ComPtr<IDispatch> Objeto() const;
  // A HostError when the member answered Nothing.
  ComPtr<IDispatch> ObjetoPresente() const;

 private:
  Variante Convertida(VARTYPE tipo) const;

  std::string miembro_;
  Variante valor_;
};

// A member found by name.
struct Miembro {
  std::string_view nombre;
  DISPID id;
};

// Late binding to an automation object: members found by name (GetIDsOfNames) and invoked
// (Invoke). Every failure throws HostError naming the member, with Word's own description.
class Despacho {
 public:
  explicit Despacho(ComPtr<IDispatch> objeto);

  IDispatch* Objeto() const { return objeto_.Get(); }

  Miembro Buscar(std::string_view nombre) const;
  Resultado Leer(std::string_view propiedad) const;
  void Escribir(std::string_view propiedad, const Variante& valor) const;
  void Escribir(const Miembro& propiedad, const Variante& valor) const;
  // Arguments in the method's order; Variante::Omitido() leaves an optional one out.
  Resultado Llamar(std::string_view metodo, const std::vector<Variante>& argumentos = {}) const;
  // One argument given by its parameter's name, the others left out.
  Resultado LlamarConNombre(std::string_view metodo, std::string_view parametro,
                            const Variante& valor) const;
  // Item of a collection: a method in Word's collections, a property in Office's.
  Resultado Item(const Variante& indice) const;

 private:
  // `argumentos` in the order of DISPPARAMS: the named ones first, as `nombrados` names them, then
  // the positional ones from the last to the first. They are lent, not copied.
  Resultado Invocar(const Miembro& miembro, WORD flags, Operacion operacion,
                    std::vector<VARIANT> argumentos, std::vector<DISPID> nombrados) const;

  ComPtr<IDispatch> objeto_;
};

}  // namespace quillora::com
