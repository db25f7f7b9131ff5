#include "origen_wine.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>

#include "db/conexion.h"
#include "db/recordset.h"
#include "db/valor.h"
#include "dictionary/comun.h"
#include "dictionary/diccionario_muestra.h"
#include "dictionary/esquema_bd.h"
#include "texto_win32.h"

namespace quillora::win32::prueba {

namespace {

constexpr const char* kControlador = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

// Wine's own path conversions, exported by its kernel32.
std::string RutaUnix(const std::filesystem::path& ruta) {
  using Conversion = char*(CDECL*)(const wchar_t*);
  const auto convertir = reinterpret_cast<Conversion>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (convertir == nullptr) throw std::runtime_error("Estas pruebas necesitan Wine");
  char* unix = convertir(ruta.wstring().c_str());
  if (unix == nullptr) throw std::runtime_error("Sin ruta de Unix para " + ruta.string());
  std::string resultado = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return resultado;
}

std::filesystem::path RutaWindows(const std::string& unix) {
  using Conversion = wchar_t*(CDECL*)(const char*);
  const auto convertir = reinterpret_cast<Conversion>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_dos_file_name")));
  if (convertir == nullptr) throw std::runtime_error("Estas pruebas necesitan Wine");
  wchar_t* dos = convertir(unix.c_str());
  if (dos == nullptr) throw std::runtime_error("Sin ruta de Windows para " + unix);
  std::filesystem::path resultado(dos);
  HeapFree(GetProcessHeap(), 0, dos);
  return resultado;
}

std::shared_ptr<db::Conexion> Conectar(const std::string& baseUnix) {
  auto conexion = std::make_shared<db::Conexion>();
  conexion->Open(std::string("Driver=") + kControlador + ";Database=" + baseUnix);
  return conexion;
}

}  // namespace

OrigenWine::OrigenWine(const DiccionarioMuestra& diccionario) {
  char odbcini[MAX_PATH] = {};
  if (GetEnvironmentVariableA("ODBCINI", odbcini, MAX_PATH) == 0) {
    throw std::runtime_error("Falta ODBCINI: la prueba escribe allí el origen de datos");
  }
  wchar_t temporal[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temporal);
  base_ = std::filesystem::path(temporal) /
          ("quillora-ventanas-" + std::to_string(GetCurrentProcessId()) + ".db");
  std::filesystem::remove(base_);
  std::ofstream(base_, std::ios::binary).close();
  baseUnix_ = RutaUnix(base_);
  std::ofstream ini(RutaWindows(odbcini), std::ios::binary | std::ios::trunc);
  ini << "[Quillora]\nDriver=" << kControlador << "\nDatabase=" << baseUnix_ << "\n";
  if (!ini.flush()) throw std::runtime_error(std::string("No se puede escribir ") + odbcini);
  const auto conexion = Conectar(baseUnix_);
  esquema_bd::CrearEsquema(*conexion);
  diccionario.Guardar(conexion);
  conexion->Close();
}

OrigenWine::~OrigenWine() {
  comun::Desconectar();
  std::error_code error;
  std::filesystem::remove(base_, error);
}

std::int32_t OrigenWine::IdEntrada(const std::string& texto) const {
  db::Recordset registro;
  registro.SetActiveConnection(Conectar(baseUnix_));
  registro.Open("Select IdEntrada From Entrada Where Entrada = '" + texto + "'",
                db::TipoCursor::SoloAvance, db::TipoBloqueo::Optimista);
  if (registro.GetEOF()) throw std::runtime_error("No hay ninguna entrada " + texto);
  return db::Entero32(registro.Fields("IdEntrada").GetValue(), "IdEntrada").value();
}

std::vector<std::string> OrigenWine::Columna(const std::string& sql,
                                             const std::string& columna) const {
  db::Recordset registro;
  registro.SetActiveConnection(Conectar(baseUnix_));
  registro.Open(sql, db::TipoCursor::SoloAvance, db::TipoBloqueo::Optimista);
  std::vector<std::string> textos;
  for (; !registro.GetEOF(); registro.MoveNext()) {
    const auto& valor = registro.Fields(columna).GetValue();
    textos.push_back(db::EsNulo(valor) ? "(Null)" : std::get<std::string>(valor));
  }
  return textos;
}

const DiccionarioMuestra& DiccionarioPrueba() {
  static const DiccionarioMuestra diccionario = [] {
    DiccionarioMuestra d;
    d.morfologias = {{1, "Sustantivo", "Nombre de persona", ""},
                     {2, "Expresión", "Varias palabras", ""}};
    d.sexismos = {{1, "Genérico masculino", "El masculino por todos", ""},
                  {2, "Salto semántico", "Cambia de referente", ""}};
    d.determinantes = {"el", "la", "los", "las"};
    d.entradas = {
        {"hombre", 1, 1, "Se usa por «persona».", {{"persona", "en general"}, {"ser humano", ""}}},
        {"los niños", 2, 1, "Masculino por la infancia.", {{"la infancia", ""}}},
        {"hombre de negocios", 2, 2, "", {{"empresariado", "en plural"}}},
        {"los alumnos", 2, 1, "", {{"el alumnado", ""}}}};
    return d;
  }();
  return diccionario;
}

}  // namespace quillora::win32::prueba
