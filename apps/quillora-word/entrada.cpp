// The entry points of the in-process COM server.
#include <windows.h>

#include "fabrica_connect.h"
#include "hresult.h"
#include "modulo.h"
#include "quillora_word_idl.h"
#include "registro_servidor.h"

using quillora::complemento::Proteger;

STDAPI DllGetClassObject(REFCLSID clase, REFIID iid, LPVOID* objeto) {
  return Proteger([&] {
    if (objeto == nullptr) return E_POINTER;
    *objeto = nullptr;
    if (clase != CLSID_Connect) return CLASS_E_CLASSNOTAVAILABLE;
    return quillora::complemento::CrearFabricaConnect(iid, objeto);
  });
}

STDAPI DllCanUnloadNow() { return quillora::complemento::ServidorEnUso() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() {
  return Proteger([] { quillora::complemento::RegistrarServidor(); });
}

STDAPI DllUnregisterServer() {
  return Proteger([] { quillora::complemento::QuitarRegistroServidor(); });
}
