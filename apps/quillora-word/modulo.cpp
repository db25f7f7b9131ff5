#include "modulo.h"

#include <atomic>

#include "hresult.h"

namespace quillora::complemento {

namespace {

// COM may ask whether the DLL can unload from another thread than the objects' own.
std::atomic<long> objetos{0};
std::atomic<long> bloqueos{0};

}  // namespace

HINSTANCE InstanciaModulo() {
  HMODULE modulo = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&InstanciaModulo), &modulo);
  return modulo;
}

std::wstring RutaModulo() {
  std::wstring ruta(MAX_PATH, L'\0');
  for (;;) {
    const auto longitud =
        GetModuleFileNameW(InstanciaModulo(), ruta.data(), static_cast<DWORD>(ruta.size()));
    if (longitud == 0) throw ErrorCom(HRESULT_FROM_WIN32(GetLastError()));
    if (longitud < ruta.size()) {
      ruta.resize(longitud);
      return ruta;
    }
    ruta.resize(ruta.size() * 2);
  }
}

void ObjetoCreado() { ++objetos; }
void ObjetoDestruido() { --objetos; }
void BloquearServidor(bool bloquear) { bloquear ? ++bloqueos : --bloqueos; }
bool ServidorEnUso() { return objetos > 0 || bloqueos > 0; }

}  // namespace quillora::complemento
