// The add-in's DLL as COM uses it: loaded by path, its class factory taken from
// DllGetClassObject, and Connect reached through its interfaces and by name.
// First: the interfaces, with <windows.h> and OLE Automation.
#include "quillora_word_idl.h"
// Then the rest.
#include <gtest/gtest.h>
#include <wrl/client.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace {

using Microsoft::WRL::ComPtr;

using DllGetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using DllCanUnloadNowFn = HRESULT(STDAPICALLTYPE*)();

// The DLL is copied beside the test program when it is built.
std::filesystem::path RutaDll() {
  std::wstring programa(MAX_PATH, L'\0');
  programa.resize(GetModuleFileNameW(nullptr, programa.data(), MAX_PATH));
  return std::filesystem::path(programa).parent_path() / L"quillora-word.dll";
}

class QuilloraWordDllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    dll_ = LoadLibraryW(RutaDll().c_str());
    ASSERT_NE(dll_, nullptr) << "No se pudo cargar " << RutaDll();
    obtenerClase_ = Exportada<DllGetClassObjectFn>("DllGetClassObject");
    puedeDescargar_ = Exportada<DllCanUnloadNowFn>("DllCanUnloadNow");
    ASSERT_NE(obtenerClase_, nullptr);
    ASSERT_NE(puedeDescargar_, nullptr);
    ASSERT_EQ(obtenerClase_(__uuidof(Connect), IID_PPV_ARGS(&fabrica_)), S_OK);
  }
  void TearDown() override {
    fabrica_.Reset();
    if (dll_ != nullptr) FreeLibrary(dll_);
    CoUninitialize();
  }

  template <typename Funcion>
  Funcion Exportada(const char* nombre) const {
    // Through the generic function type, which any function pointer may be cast to and from.
    return reinterpret_cast<Funcion>(reinterpret_cast<void (*)()>(GetProcAddress(dll_, nombre)));
  }

  ComPtr<IConnect> Crear() {
    ComPtr<IConnect> connect;
    EXPECT_EQ(fabrica_->CreateInstance(nullptr, IID_PPV_ARGS(&connect)), S_OK);
    return connect;
  }

  static DISPID Id(IDispatch& despacho, const wchar_t* nombre) {
    auto* nombres = const_cast<LPOLESTR>(nombre);
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(despacho.GetIDsOfNames(IID_NULL, &nombres, 1, LOCALE_USER_DEFAULT, &id), S_OK)
        << "GetIDsOfNames: " << std::filesystem::path(nombre);
    return id;
  }

  // Calls the method by name with these arguments, given in order; answers Invoke's result and
  // leaves the exception's description in `descripcion`.
  static HRESULT Llamar(IDispatch& despacho, const wchar_t* nombre,
                        std::initializer_list<VARIANT> argumentos, std::wstring* descripcion) {
    std::vector<VARIANT> invertidos(argumentos.begin(), argumentos.end());
    std::reverse(invertidos.begin(), invertidos.end());
    DISPPARAMS parametros{invertidos.data(), nullptr, static_cast<UINT>(invertidos.size()), 0};
    EXCEPINFO excepcion{};
    UINT erroneo = 0;
    const auto hr = despacho.Invoke(Id(despacho, nombre), IID_NULL, LOCALE_USER_DEFAULT,
                                    DISPATCH_METHOD, &parametros, nullptr, &excepcion, &erroneo);
    if (descripcion != nullptr && excepcion.bstrDescription != nullptr) {
      *descripcion = excepcion.bstrDescription;
    }
    SysFreeString(excepcion.bstrDescription);
    SysFreeString(excepcion.bstrSource);
    SysFreeString(excepcion.bstrHelpFile);
    return hr;
  }

  static VARIANT Objeto(IDispatch* objeto) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_DISPATCH;
    v.pdispVal = objeto;
    return v;
  }
  static VARIANT Entero(LONG valor) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = valor;
    return v;
  }
  // Word's custom argument: a reference to an array of variants, here an empty one.
  VARIANT Custom() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_ARRAY | VT_VARIANT | VT_BYREF;
    v.pparray = &custom_;
    return v;
  }

  HMODULE dll_ = nullptr;
  DllGetClassObjectFn obtenerClase_ = nullptr;
  DllCanUnloadNowFn puedeDescargar_ = nullptr;
  ComPtr<IClassFactory> fabrica_;
  SAFEARRAY* custom_ = SafeArrayCreateVector(VT_VARIANT, 0, 0);
};

TEST_F(QuilloraWordDllTest, LaFabricaSoloDaConnectSinAgregacion) {
  void* objeto = reinterpret_cast<void*>(1);
  EXPECT_EQ(obtenerClase_(IID_IUnknown, IID_IClassFactory, &objeto), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(objeto, nullptr);
  EXPECT_EQ(obtenerClase_(__uuidof(Connect), IID_IClassFactory, nullptr), E_POINTER);
  objeto = reinterpret_cast<void*>(1);
  EXPECT_EQ(obtenerClase_(__uuidof(Connect), IID_IPersist, &objeto), E_NOINTERFACE);
  EXPECT_EQ(objeto, nullptr);

  const auto exterior = Crear();
  ComPtr<IUnknown> agregado;
  EXPECT_EQ(fabrica_->CreateInstance(exterior.Get(), IID_PPV_ARGS(&agregado)),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(agregado, nullptr);
  ComPtr<IPersist> persistente;
  EXPECT_EQ(fabrica_->CreateInstance(nullptr, IID_PPV_ARGS(&persistente)), E_NOINTERFACE);
  EXPECT_EQ(persistente, nullptr);
}

TEST_F(QuilloraWordDllTest, ConnectDaSusInterfacesConUnaSolaIdentidad) {
  const auto connect = Crear();
  ASSERT_NE(connect, nullptr);
  ComPtr<IUnknown> identidad;
  ASSERT_EQ(connect.As(&identidad), S_OK);

  ComPtr<IDispatch> despacho;
  ComPtr<IDTExtensibility2> extensibilidad;
  ComPtr<ISupportErrorInfo> errores;
  ASSERT_EQ(connect.As(&despacho), S_OK);
  ASSERT_EQ(connect.As(&extensibilidad), S_OK);
  ASSERT_EQ(connect.As(&errores), S_OK);
  for (IUnknown* interfaz : std::array<IUnknown*, 4>{despacho.Get(), extensibilidad.Get(),
                                                     errores.Get(), connect.Get()}) {
    ComPtr<IUnknown> suya;
    ASSERT_EQ(interfaz->QueryInterface(IID_PPV_ARGS(&suya)), S_OK);
    EXPECT_EQ(suya, identidad);
  }
  ComPtr<IConnect> deVuelta;
  EXPECT_EQ(extensibilidad.As(&deVuelta), S_OK);
  EXPECT_EQ(errores->InterfaceSupportsErrorInfo(__uuidof(IDTExtensibility2)), S_OK);

  ComPtr<IPersist> persistente;
  EXPECT_EQ(connect.As(&persistente), E_NOINTERFACE);
  EXPECT_EQ(connect->QueryInterface(IID_IPersist, nullptr), E_POINTER);
}

TEST_F(QuilloraWordDllTest, ElModuloSoloSePuedeDescargarSinObjetosNiBloqueos) {
  EXPECT_EQ(puedeDescargar_(), S_OK);
  {
    auto connect = Crear();
    EXPECT_EQ(puedeDescargar_(), S_FALSE);
    ComPtr<IDTExtensibility2> otra;
    ASSERT_EQ(connect.As(&otra), S_OK);
    connect.Reset();
    EXPECT_EQ(puedeDescargar_(), S_FALSE);
  }
  EXPECT_EQ(puedeDescargar_(), S_OK);

  EXPECT_EQ(fabrica_->LockServer(TRUE), S_OK);
  EXPECT_EQ(puedeDescargar_(), S_FALSE);
  EXPECT_EQ(fabrica_->LockServer(FALSE), S_OK);
  EXPECT_EQ(puedeDescargar_(), S_OK);
}

TEST_F(QuilloraWordDllTest, LosSieteMetodosSeLlamanPorNombre) {
  const auto connect = Crear();
  ComPtr<IDispatch> despacho;
  ASSERT_EQ(connect.As(&despacho), S_OK);

  std::set<DISPID> ids;
  for (const auto* nombre :
       {L"OnConnection", L"OnDisconnection", L"OnAddInsUpdate", L"OnStartupComplete",
        L"OnBeginShutdown", L"CrearBarra", L"CrearMenus"}) {
    ids.insert(Id(*despacho.Get(), nombre));
  }
  EXPECT_EQ(ids.size(), 7u);
  EXPECT_EQ(Id(*despacho.Get(), L"crearbarra"), Id(*despacho.Get(), L"CrearBarra"));
  auto* desconocido = const_cast<LPOLESTR>(L"Procesar");
  DISPID id = 0;
  EXPECT_EQ(despacho->GetIDsOfNames(IID_NULL, &desconocido, 1, LOCALE_USER_DEFAULT, &id),
            DISP_E_UNKNOWNNAME);

  UINT cuantas = 0;
  EXPECT_EQ(despacho->GetTypeInfoCount(&cuantas), S_OK);
  EXPECT_EQ(cuantas, 1u);
  ComPtr<ITypeInfo> tipo;
  ASSERT_EQ(despacho->GetTypeInfo(0, LOCALE_USER_DEFAULT, &tipo), S_OK);
  BSTR nombre = nullptr;
  ASSERT_EQ(tipo->GetDocumentation(MEMBERID_NIL, &nombre, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(std::wstring(nombre), L"IConnect");
  SysFreeString(nombre);

  EXPECT_EQ(Llamar(*despacho.Get(), L"OnAddInsUpdate", {Custom()}, nullptr), S_OK);
  // Switched on after start-up without Word: the add-in goes on without one.
  EXPECT_EQ(Llamar(*despacho.Get(), L"OnConnection",
                   {Objeto(nullptr), Entero(0), Objeto(nullptr), Custom()}, nullptr),
            S_OK);
  EXPECT_EQ(Llamar(*despacho.Get(), L"OnConnection", {Objeto(nullptr)}, nullptr),
            DISP_E_BADPARAMCOUNT);
  std::wstring descripcion;
  EXPECT_EQ(Llamar(*despacho.Get(), L"CrearBarra", {}, &descripcion), DISP_E_EXCEPTION);
  EXPECT_FALSE(descripcion.empty());
  EXPECT_EQ(Llamar(*despacho.Get(), L"CrearMenus", {}, nullptr), S_OK);
  EXPECT_EQ(Llamar(*despacho.Get(), L"OnStartupComplete", {Custom()}, nullptr), DISP_E_EXCEPTION);
  EXPECT_EQ(Llamar(*despacho.Get(), L"OnBeginShutdown", {Custom()}, nullptr), S_OK);
  EXPECT_EQ(Llamar(*despacho.Get(), L"OnDisconnection", {Entero(1), Custom()}, nullptr), S_OK);
}

TEST_F(QuilloraWordDllTest, SinWordLosErroresVuelvenComoHresultConSuDescripcion) {
  const auto connect = Crear();
  ComPtr<IDTExtensibility2> extensibilidad;
  ASSERT_EQ(connect.As(&extensibilidad), S_OK);

  EXPECT_EQ(extensibilidad->OnConnection(nullptr, ext_cm_Startup, nullptr, nullptr), S_OK);
  EXPECT_EQ(extensibilidad->OnStartupComplete(nullptr), E_FAIL);
  ComPtr<IErrorInfo> informacion;
  ASSERT_EQ(GetErrorInfo(0, &informacion), S_OK);
  BSTR descripcion = nullptr;
  BSTR fuente = nullptr;
  informacion->GetDescription(&descripcion);
  informacion->GetSource(&fuente);
  EXPECT_EQ(std::wstring(descripcion), L"El complemento no está conectado a Word");
  EXPECT_EQ(std::wstring(fuente), L"Quillora.Connect");
  SysFreeString(descripcion);
  SysFreeString(fuente);

  EXPECT_EQ(connect->CrearBarra(), E_FAIL);
  EXPECT_EQ(extensibilidad->OnAddInsUpdate(nullptr), S_OK);
  EXPECT_EQ(extensibilidad->OnBeginShutdown(nullptr), S_OK);
  EXPECT_EQ(extensibilidad->OnDisconnection(ext_dm_UserClosed, nullptr), S_OK);
  // Connected again after a disconnection, as Word does when the user switches it back on.
  EXPECT_EQ(extensibilidad->OnConnection(nullptr, ext_cm_AfterStartup, nullptr, nullptr), S_OK);
  EXPECT_EQ(extensibilidad->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
}

}  // namespace
