#pragma once

#include <oaidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quillora::word_falso {

using Microsoft::WRL::ComPtr;

// UTF-8 text as a new BSTR and back.
BSTR ABstr(std::string_view utf8);
std::string DeBstr(const BSTR bstr);

// What a member of the fake answers: a VARIANT it owns until it hands it to the caller.
class Valor {
 public:
  Valor();
  ~Valor();
  Valor(Valor&& otro) noexcept;
  Valor& operator=(Valor&& otro) noexcept;
  Valor(const Valor&) = delete;
  Valor& operator=(const Valor&) = delete;

  static Valor Entero(std::int32_t valor);
  static Valor Logico(bool valor);
  static Valor Texto(std::string_view utf8);
  // A null object is Nothing.
  static Valor Objeto(ComPtr<IDispatch> objeto);

  // Moves the value into `destino`, which must be empty.
  void Entregar(VARIANT* destino);

 private:
  VARIANT valor_;
};

// A failure of the call itself rather than of Word: its HRESULT goes back as it is.
struct ErrorDespacho {
  HRESULT hr;
};

}  // namespace quillora::word_falso
