#pragma once

#include <oaidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "variante.h"

namespace quillora::word_falso {

// A failure of the call itself rather than of Word: its HRESULT goes back as it is.
struct ErrorDespacho {
  HRESULT hr;
};

// The arguments of one call, by the position of the member's parameters; named arguments are put
// in their parameter's place. A missing argument the member needs, or one that does not convert
// to the type it needs, is an ErrorDespacho with the HRESULT Automation gives for it.
class Argumentos {
 public:
  // Throws ErrorDespacho when there are more arguments than `parametros`, or a named one that is
  // not among them.
  Argumentos(const DISPPARAMS& llamada, std::size_t parametros);
  // The value of a property being written.
  static Argumentos DeValor(const VARIANT& valor);

  // Given, and not left out as an optional argument.
  bool Presente(std::size_t posicion) const;
  const VARIANT& Crudo(std::size_t posicion) const;
  std::int32_t Entero(std::size_t posicion) const;
  std::int32_t Entero(std::size_t posicion, std::int32_t siFalta) const;
  bool Logico(std::size_t posicion) const;
  bool Logico(std::size_t posicion, bool siFalta) const;
  std::string Texto(std::size_t posicion) const;
  std::string Texto(std::size_t posicion, const std::string& siFalta) const;
  // Nothing is a null object.
  Microsoft::WRL::ComPtr<IDispatch> Objeto(std::size_t posicion) const;

 private:
  Argumentos() = default;
  // The argument converted to `tipo`.
  com::Variante Convertido(std::size_t posicion, VARTYPE tipo) const;

  std::vector<const VARIANT*> valores_;  // null where left out
};

}  // namespace quillora::word_falso
