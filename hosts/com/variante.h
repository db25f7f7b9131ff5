#pragma once

#include <oaidl.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quillora::com {

// UTF-8 text as a new BSTR, which the caller frees; a BSTR (null is the empty text) as UTF-8.
BSTR ABstr(std::string_view utf8);
std::string DeBstr(const BSTR bstr);

// A VARIANT that owns what it holds and clears it when it goes.
class Variante {
 public:
  Variante();
  ~Variante();
  Variante(const Variante& otra);
  Variante& operator=(const Variante& otra);
  Variante(Variante&& otra) noexcept;
  Variante& operator=(Variante&& otra) noexcept;

  static Variante Entero(std::int32_t valor);
  static Variante Logico(bool valor);
  static Variante Texto(std::string_view utf8);
  // Takes a reference of its own.
  static Variante Objeto(IDispatch* objeto);
  // An optional argument left out.
  static Variante Omitido();

  const VARIANT& Valor() const { return valor_; }
  // Empties it and lends it to a call that fills it.
  VARIANT* Receptor();
  // Hands what it holds to the caller, who must clear it, and is left empty.
  VARIANT Soltar();

 private:
  VARIANT valor_;
};

}  // namespace quillora::com
