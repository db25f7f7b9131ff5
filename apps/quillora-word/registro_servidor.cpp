#include "registro_servidor.h"

#include <windows.h>
// After <windows.h>, which they need.
#include <oleauto.h>
#include <wrl/client.h>

#include <exception>
#include <initializer_list>
#include <memory>
#include <string>
#include <variant>

#include "hresult.h"
#include "modulo.h"
#include "quillora_word_idl.h"

// Per-user type library registration, which oleaut32 has had since Windows Vista and
// MinGW-w64's headers do not declare.
WINOLEAUTAPI RegisterTypeLibForUser(ITypeLib* biblioteca, OLECHAR* ruta, OLECHAR* carpetaAyuda);
WINOLEAUTAPI UnRegisterTypeLibForUser(REFGUID biblioteca, WORD mayor, WORD menor, LCID idioma,
                                      SYSKIND sistema);

namespace quillora::complemento {

namespace {

constexpr wchar_t kProgId[] = L"Quillora.Connect";
constexpr wchar_t kClaveProgId[] = L"Software\\Classes\\Quillora.Connect";
constexpr wchar_t kClaveWord[] = L"Software\\Microsoft\\Office\\Word\\Addins\\Quillora.Connect";
// The type library's version and locale, as the IDL gives them.
constexpr WORD kVersionMayor = 1;
constexpr WORD kVersionMenor = 0;
constexpr LCID kIdiomaNeutro = 0;

std::wstring TextoGuid(REFGUID guid) {
  wchar_t texto[39];
  StringFromGUID2(guid, texto, 39);
  return texto;
}

std::wstring ClaveClase() { return L"Software\\Classes\\CLSID\\" + TextoGuid(CLSID_Connect); }

void ComprobarWin32(LSTATUS resultado) { Comprobar(HRESULT_FROM_WIN32(resultado)); }

struct Valor {
  // Null for the key's default value.
  const wchar_t* nombre;
  std::variant<std::wstring, DWORD> dato;
};

struct CerrarClave {
  void operator()(HKEY clave) const { RegCloseKey(clave); }
};

void EscribirClave(const std::wstring& ruta, std::initializer_list<Valor> valores) {
  HKEY creada = nullptr;
  ComprobarWin32(RegCreateKeyExW(HKEY_CURRENT_USER, ruta.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                 nullptr, &creada, nullptr));
  const std::unique_ptr<std::remove_pointer_t<HKEY>, CerrarClave> clave(creada);
  for (const auto& valor : valores) {
    if (const auto* texto = std::get_if<std::wstring>(&valor.dato)) {
      const auto bytes = static_cast<DWORD>((texto->size() + 1) * sizeof(wchar_t));
      ComprobarWin32(RegSetValueExW(clave.get(), valor.nombre, 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(texto->c_str()), bytes));
    } else {
      const auto numero = std::get<DWORD>(valor.dato);
      ComprobarWin32(RegSetValueExW(clave.get(), valor.nombre, 0, REG_DWORD,
                                    reinterpret_cast<const BYTE*>(&numero), sizeof numero));
    }
  }
}

void BorrarClave(const std::wstring& ruta) {
  const auto resultado = RegDeleteTreeW(HKEY_CURRENT_USER, ruta.c_str());
  if (resultado != ERROR_FILE_NOT_FOUND) ComprobarWin32(resultado);
}

void RegistrarClase(const std::wstring& rutaModulo) {
  const auto clase = ClaveClase();
  EscribirClave(clase, {{nullptr, kProgId}});
  EscribirClave(clase + L"\\InprocServer32",
                {{nullptr, rutaModulo}, {L"ThreadingModel", L"Apartment"}});
  EscribirClave(clase + L"\\ProgID", {{nullptr, kProgId}});
  EscribirClave(kClaveProgId, {{nullptr, kProgId}});
  EscribirClave(std::wstring(kClaveProgId) + L"\\CLSID", {{nullptr, TextoGuid(CLSID_Connect)}});
}

void RegistrarBibliotecaTipos(std::wstring rutaModulo) {
  Microsoft::WRL::ComPtr<ITypeLib> biblioteca;
  Comprobar(LoadTypeLibEx(rutaModulo.c_str(), REGKIND_NONE, &biblioteca));
  Comprobar(RegisterTypeLibForUser(biblioteca.Get(), rutaModulo.data(), nullptr));
}

void QuitarBibliotecaTipos() {
  BSTR ruta = nullptr;
  if (FAILED(QueryPathOfRegTypeLib(LIBID_QuilloraWord, kVersionMayor, kVersionMenor, kIdiomaNeutro,
                                   &ruta)))
    return;
  SysFreeString(ruta);
  Comprobar(UnRegisterTypeLibForUser(LIBID_QuilloraWord, kVersionMayor, kVersionMenor,
                                     kIdiomaNeutro, SYS_WIN64));
}

void RegistrarComplementoWord() {
  EscribirClave(kClaveWord, {{L"FriendlyName", L"Quillora"},
                             {L"Description", L"Complemento MS Word para Quillora"},
                             {L"LoadBehavior", DWORD{3}}});
}

}  // namespace

void RegistrarServidor() {
  try {
    const auto rutaModulo = RutaModulo();
    RegistrarClase(rutaModulo);
    RegistrarBibliotecaTipos(rutaModulo);
    RegistrarComplementoWord();
  } catch (...) {
    // A half registration would point Word or COM at an add-in that is not all there.
    try {
      QuitarRegistroServidor();
    } catch (...) {
      // The registration's own error is the one to report.
    }
    throw;
  }
}

void QuitarRegistroServidor() {
  // Every part is removed even when another fails; the first failure is reported.
  std::exception_ptr primerError;
  for (const auto& quitar : std::initializer_list<void (*)()>{
           [] { BorrarClave(kClaveWord); }, QuitarBibliotecaTipos,
           [] { BorrarClave(kClaveProgId); }, [] { BorrarClave(ClaveClase()); }}) {
    try {
      quitar();
    } catch (...) {
      if (!primerError) primerError = std::current_exception();
    }
  }
  if (primerError) std::rethrow_exception(primerError);
}

}  // namespace quillora::complemento
