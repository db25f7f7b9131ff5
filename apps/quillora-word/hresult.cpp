#include "hresult.h"

#include <oleauto.h>
#include <wrl/client.h>

#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include "common/texto_unicode.h"

namespace quillora::complemento {

namespace {

// What went wrong, for the caller to show: IDispatch callers receive it as their exception's
// description.
void InformarError(const char* descripcion) noexcept {
  try {
    const auto texto = texto::Utf8AUtf16(descripcion);
    Microsoft::WRL::ComPtr<ICreateErrorInfo> creador;
    if (FAILED(CreateErrorInfo(&creador))) return;
    creador->SetDescription(const_cast<LPOLESTR>(reinterpret_cast<const wchar_t*>(texto.c_str())));
    creador->SetSource(const_cast<LPOLESTR>(L"Quillora.Connect"));
    Microsoft::WRL::ComPtr<IErrorInfo> informacion;
    if (SUCCEEDED(creador.As(&informacion))) SetErrorInfo(0, informacion.Get());
  } catch (...) {
    // The code still tells the caller that the call failed.
  }
}

std::string Describir(HRESULT hr) {
  char texto[40];
  std::snprintf(texto, sizeof texto, "Error de COM 0x%08lX", static_cast<unsigned long>(hr));
  return texto;
}

}  // namespace

ErrorCom::ErrorCom(HRESULT hr) : std::runtime_error(Describir(hr)), hr_(hr) {}

void Comprobar(HRESULT hr) {
  if (FAILED(hr)) throw ErrorCom(hr);
}

HRESULT HresultDeExcepcion() noexcept {
  try {
    throw;
  } catch (const ErrorCom& error) {
    InformarError(error.what());
    return error.GetCodigo();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (const std::exception& error) {
    InformarError(error.what());
    return E_FAIL;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace quillora::complemento
