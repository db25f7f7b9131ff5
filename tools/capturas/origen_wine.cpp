#include "origen_wine.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>

#include "db/conexion.h"
#include "dictionary/comun.h"
#include "dictionary/diccionario_muestra.h"
#include "dictionary/esquema_bd.h"

namespace quillora::win32 {

namespace {

constexpr const char* kControlador = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

// A conversion of Wine's own kernel32, which Windows lacks.
template <typename Funcion>
Funcion DeWine(const char* nombre) {
  const auto funcion = reinterpret_cast<Funcion>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), nombre)));
  if (funcion == nullptr) throw std::runtime_error("Este programa solo funciona bajo Wine");
  return funcion;
}

std::filesystem::path RutaWindows(const std::string& unix) {
  const auto convertir = DeWine<wchar_t*(CDECL*)(const char*)>("wine_get_dos_file_name");
  wchar_t* dos = convertir(unix.c_str());
  if (dos == nullptr) throw std::runtime_error("No hay ruta de Windows para " + unix);
  std::filesystem::path resultado(dos);
  HeapFree(GetProcessHeap(), 0, dos);
  return resultado;
}

}  // namespace

std::string RutaUnix(const std::filesystem::path& ruta) {
  const auto convertir = DeWine<char*(CDECL*)(const wchar_t*)>("wine_get_unix_file_name");
  char* unix = convertir(ruta.wstring().c_str());
  if (unix == nullptr) throw std::runtime_error("No hay ruta de Unix para " + ruta.string());
  std::string resultado = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return resultado;
}

OrigenWine::OrigenWine(const DiccionarioMuestra& diccionario) {
  char odbcini[MAX_PATH] = {};
  if (GetEnvironmentVariableA("ODBCINI", odbcini, MAX_PATH) == 0) {
    throw std::runtime_error("Falta la variable ODBCINI: allí se escribe el origen de datos");
  }
  wchar_t temporal[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temporal);
  base_ = std::filesystem::path(temporal) /
          ("quillora-" + std::to_string(GetCurrentProcessId()) + ".db");
  std::filesystem::remove(base_);
  std::ofstream(base_, std::ios::binary).close();
  baseUnix_ = RutaUnix(base_);
  std::ofstream ini(RutaWindows(odbcini), std::ios::binary | std::ios::trunc);
  ini << "[Quillora]\nDriver=" << kControlador << "\nDatabase=" << baseUnix_ << "\n";
  if (!ini.flush()) throw std::runtime_error(std::string("No se puede escribir ") + odbcini);
  const auto conexion = Conectar();
  esquema_bd::CrearEsquema(*conexion);
  diccionario.Guardar(conexion);
  conexion->Close();
}

OrigenWine::~OrigenWine() {
  comun::Desconectar();
  std::error_code error;
  std::filesystem::remove(base_, error);
}

std::shared_ptr<db::Conexion> OrigenWine::Conectar() const {
  auto conexion = std::make_shared<db::Conexion>();
  conexion->Open(std::string("Driver=") + kControlador + ";Database=" + baseUnix_);
  return conexion;
}

}  // namespace quillora::win32
