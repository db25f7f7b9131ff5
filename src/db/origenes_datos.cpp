#include "db/origenes_datos.h"

#ifdef _WIN32
#include <windows.h>  // the system's ODBC headers build on its types
#endif
#include <odbcinst.h>
#include <sql.h>
#include <sqlext.h>

#include <array>
#include <filesystem>
#include <memory>

#include "common/texto_unicode.h"

namespace quillora::db {

namespace {

constexpr const char* kNombreSqlite = "SQLite3";

bool MismoNombre(std::string_view a, std::string_view b) {
  return texto::Mayusculas(a) == texto::Mayusculas(b);
}

}  // namespace

bool ExisteOrigenDatos(const std::string& nombre) {
  SQLHENV entorno = SQL_NULL_HENV;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &entorno))) return false;
  const std::unique_ptr<void, void (*)(void*)> liberar(
      entorno, [](void* h) { SQLFreeHandle(SQL_HANDLE_ENV, h); });
  SQLSetEnvAttr(entorno, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  std::array<SQLCHAR, SQL_MAX_DSN_LENGTH + 1> origen{};
  std::array<SQLCHAR, 512> descripcion{};
  SQLSMALLINT largoOrigen = 0;
  SQLSMALLINT largoDescripcion = 0;
  for (SQLUSMALLINT direccion = SQL_FETCH_FIRST;; direccion = SQL_FETCH_NEXT) {
    const auto resultado = SQLDataSources(
        entorno, direccion, origen.data(), static_cast<SQLSMALLINT>(origen.size()), &largoOrigen,
        descripcion.data(), static_cast<SQLSMALLINT>(descripcion.size()), &largoDescripcion);
    if (!SQL_SUCCEEDED(resultado)) return false;
    if (MismoNombre(reinterpret_cast<const char*>(origen.data()), nombre)) return true;
  }
}

std::string BaseSqlite(const std::filesystem::path& archivo) {
  return "file:" + texto::CodificarPorcentaje(std::filesystem::absolute(archivo).string(), "/._~-");
}

std::optional<std::string> ControladorSqlite() {
  std::array<char, 1024> biblioteca{};
  SQLGetPrivateProfileString(kNombreSqlite, "Driver", "", biblioteca.data(),
                             static_cast<int>(biblioteca.size()), "odbcinst.ini");
  if (biblioteca[0] != '\0') return kNombreSqlite;
  for (const char* ruta :
       {"/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so",
        "/usr/lib/aarch64-linux-gnu/odbc/libsqlite3odbc.so", "/usr/lib/odbc/libsqlite3odbc.so",
        "/usr/lib64/libsqlite3odbc.so", "/usr/local/lib/libsqlite3odbc.so"}) {
    std::error_code error;
    if (std::filesystem::exists(ruta, error)) return ruta;
  }
  return std::nullopt;
}

}  // namespace quillora::db
