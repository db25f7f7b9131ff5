#pragma once

#include <windows.h>

#include <stdexcept>
#include <type_traits>

namespace quillora::complemento {

// A COM or Win32 call that failed, with its code as an HRESULT.
class ErrorCom : public std::runtime_error {
 public:
  explicit ErrorCom(HRESULT hr);
  HRESULT GetCodigo() const { return hr_; }

 private:
  HRESULT hr_;
};

// Throws ErrorCom when `hr` is a failure.
void Comprobar(HRESULT hr);

// The HRESULT for the exception being handled: an ErrorCom's own code, E_OUTOFMEMORY, E_FAIL
// with the error's description left for the caller (IErrorInfo), or E_UNEXPECTED for anything
// else. Only from inside a catch block.
HRESULT HresultDeExcepcion() noexcept;

// Runs `accion` and answers its HRESULT (S_OK when it answers nothing); an exception never
// leaves, as none may cross into COM's caller.
template <typename Accion>
HRESULT Proteger(Accion&& accion) noexcept {
  try {
    if constexpr (std::is_void_v<std::invoke_result_t<Accion>>) {
      accion();
      return S_OK;
    } else {
      return accion();
    }
  } catch (...) {
    return HresultDeExcepcion();
  }
}

}  // namespace quillora::complemento
