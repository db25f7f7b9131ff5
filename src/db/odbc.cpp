#include "db/odbc.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <variant>

#include "db/error_bd.h"

namespace quillora::db {
namespace {

// Long texts are read in pieces of this size.
constexpr SQLLEN kTrozo = 16384;

template <class... F>
struct Sobrecargas : F... {
  using F::operator()...;
};
template <class... F>
Sobrecargas(F...) -> Sobrecargas<F...>;

SQLCHAR* Texto(const std::string& texto) {
  // The driver only reads input strings; the API lacks the const.
  return reinterpret_cast<SQLCHAR*>(const_cast<char*>(texto.c_str()));
}

Lectura LecturaDe(SQLSMALLINT tipoSql, SQLSMALLINT decimales) {
  switch (tipoSql) {
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
    case SQL_TINYINT:
    case SQL_BIT:
      return Lectura::Entero;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
      return Lectura::Real;
    case SQL_NUMERIC:
    case SQL_DECIMAL:
      return decimales > 0 ? Lectura::Real : Lectura::Entero;
    default:
      return Lectura::Texto;
  }
}

}  // namespace

void LanzarDiagnostico(SQLSMALLINT tipoHandle, SQLHANDLE handle) {
  std::array<SQLCHAR, SQL_SQLSTATE_SIZE + 1> estado{};
  SQLINTEGER nativo = 0;
  std::string mensaje(512, '\0');
  SQLSMALLINT longitud = 0;
  auto leer = [&] {
    return SQLGetDiagRec(tipoHandle, handle, 1, estado.data(), &nativo,
                         reinterpret_cast<SQLCHAR*>(mensaje.data()),
                         static_cast<SQLSMALLINT>(mensaje.size()), &longitud);
  };
  SQLRETURN rc = leer();
  if (rc == SQL_SUCCESS_WITH_INFO && static_cast<std::size_t>(longitud) >= mensaje.size()) {
    mensaje.assign(static_cast<std::size_t>(longitud) + 1, '\0');
    rc = leer();
  }
  if (!SQL_SUCCEEDED(rc)) {
    throw ErrorBD("HY000", "Error de la base de datos: el controlador ODBC no dio detalles");
  }
  mensaje.resize(std::min(mensaje.size() - 1, static_cast<std::size_t>(longitud)));
  std::string sqlState(reinterpret_cast<const char*>(estado.data()));
  throw ErrorBD(sqlState, "Error de la base de datos [" + sqlState + "]: " + mensaje);
}

void Comprobar(SQLRETURN rc, SQLSMALLINT tipoHandle, SQLHANDLE handle) {
  if (!SQL_SUCCEEDED(rc)) LanzarDiagnostico(tipoHandle, handle);
}

Sentencia::Sentencia(SQLHDBC conexion) {
  db::Comprobar(SQLAllocHandle(SQL_HANDLE_STMT, conexion, &handle_), SQL_HANDLE_DBC, conexion);
}

Sentencia::~Sentencia() { SQLFreeHandle(SQL_HANDLE_STMT, handle_); }

void Sentencia::Comprobar(SQLRETURN rc) const { db::Comprobar(rc, SQL_HANDLE_STMT, handle_); }

void Sentencia::Ejecutar(const std::string& sql, const std::vector<Parametro>& parametros) {
  // Bound buffers must live until the statement has run.
  std::vector<SQLLEN> indicadores(parametros.size());
  for (std::size_t i = 0; i < parametros.size(); ++i) {
    const Columna& columna = *parametros[i].columna;
    SQLLEN& indicador = indicadores[i];
    auto enlazar = [&](SQLSMALLINT tipoC, const void* datos, SQLLEN longitud, SQLULEN tamano) {
      Comprobar(SQLBindParameter(handle_, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, tipoC,
                                 columna.tipoSql, std::max<SQLULEN>(tamano, 1), columna.decimales,
                                 const_cast<void*>(datos), longitud, &indicador));
    };
    std::visit(
        Sobrecargas{
            [&](std::monostate) {
              indicador = SQL_NULL_DATA;
              enlazar(SQL_C_CHAR, nullptr, 0, columna.tamano);
            },
            [&](const std::int64_t& numero) { enlazar(SQL_C_SBIGINT, &numero, 0, columna.tamano); },
            [&](const double& numero) { enlazar(SQL_C_DOUBLE, &numero, 0, columna.tamano); },
            [&](const std::string& texto) {
              indicador = static_cast<SQLLEN>(texto.size());
              enlazar(SQL_C_CHAR, texto.data(), indicador,
                      std::max<SQLULEN>(columna.tamano, texto.size()));
            },
        },
        *parametros[i].valor);
  }
  const SQLRETURN rc = SQLExecDirect(handle_, Texto(sql), SQL_NTS);
  if (rc != SQL_NO_DATA) Comprobar(rc);
}

void Sentencia::ClavePrimaria(const std::string& esquema, const std::string& tabla) {
  Comprobar(SQLPrimaryKeys(handle_, nullptr, 0, esquema.empty() ? nullptr : Texto(esquema),
                           esquema.empty() ? 0 : SQL_NTS, Texto(tabla), SQL_NTS));
}

std::vector<Columna> Sentencia::Columnas() {
  SQLSMALLINT cantidad = 0;
  Comprobar(SQLNumResultCols(handle_, &cantidad));
  std::vector<Columna> columnas(static_cast<std::size_t>(cantidad));
  for (SQLUSMALLINT n = 1; n <= cantidad; ++n) {
    Columna& columna = columnas[n - 1];
    std::string nombre(128, '\0');
    SQLSMALLINT longitud = 0;
    SQLSMALLINT admiteNulos = 0;
    auto describir = [&] {
      Comprobar(SQLDescribeCol(handle_, n, reinterpret_cast<SQLCHAR*>(nombre.data()),
                               static_cast<SQLSMALLINT>(nombre.size()), &longitud, &columna.tipoSql,
                               &columna.tamano, &columna.decimales, &admiteNulos));
    };
    describir();
    if (static_cast<std::size_t>(longitud) >= nombre.size()) {
      nombre.assign(static_cast<std::size_t>(longitud) + 1, '\0');
      describir();
    }
    nombre.resize(static_cast<std::size_t>(longitud));
    columna.nombre = std::move(nombre);
    columna.lectura = LecturaDe(columna.tipoSql, columna.decimales);
  }
  return columnas;
}

bool Sentencia::Siguiente() {
  const SQLRETURN rc = SQLFetch(handle_);
  if (rc == SQL_NO_DATA) return false;
  Comprobar(rc);
  return true;
}

Valor Sentencia::Leer(SQLUSMALLINT numero, const Columna& columna) {
  SQLLEN indicador = 0;
  switch (columna.lectura) {
    case Lectura::Entero: {
      std::int64_t entero = 0;
      Comprobar(SQLGetData(handle_, numero, SQL_C_SBIGINT, &entero, 0, &indicador));
      if (indicador == SQL_NULL_DATA) return {};
      return entero;
    }
    case Lectura::Real: {
      double real = 0;
      Comprobar(SQLGetData(handle_, numero, SQL_C_DOUBLE, &real, 0, &indicador));
      if (indicador == SQL_NULL_DATA) return {};
      return real;
    }
    case Lectura::Texto:
      break;
  }
  std::string texto;
  std::string trozo(static_cast<std::size_t>(kTrozo), '\0');
  for (;;) {
    const SQLRETURN rc = SQLGetData(handle_, numero, SQL_C_CHAR, trozo.data(), kTrozo, &indicador);
    if (rc == SQL_NO_DATA) break;
    Comprobar(rc);
    if (indicador == SQL_NULL_DATA) return {};
    // A full piece (01004, data truncated) holds kTrozo - 1 bytes and its terminating zero.
    if (rc == SQL_SUCCESS_WITH_INFO && (indicador == SQL_NO_TOTAL || indicador >= kTrozo)) {
      texto.append(trozo.data(), static_cast<std::size_t>(kTrozo - 1));
      continue;
    }
    texto.append(trozo.data(), static_cast<std::size_t>(indicador));
    break;
  }
  return texto;
}

SQLLEN Sentencia::FilasAfectadas() {
  SQLLEN filas = 0;
  Comprobar(SQLRowCount(handle_, &filas));
  return filas;
}

Conexion::Impl::Impl() {
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &entorno))) {
    throw ErrorBD("HY001", "No se ha podido preparar el entorno ODBC");
  }
  const SQLRETURN rc =
      SQLSetEnvAttr(entorno, SQL_ATTR_ODBC_VERSION,
                    reinterpret_cast<SQLPOINTER>(static_cast<std::uintptr_t>(SQL_OV_ODBC3)), 0);
  if (!SQL_SUCCEEDED(rc)) {
    // The destructor does not run when the constructor throws.
    try {
      LanzarDiagnostico(SQL_HANDLE_ENV, entorno);
    } catch (...) {
      SQLFreeHandle(SQL_HANDLE_ENV, entorno);
      throw;
    }
  }
}

Conexion::Impl::~Impl() {
  Cerrar();
  SQLFreeHandle(SQL_HANDLE_ENV, entorno);
}

void Conexion::Impl::Cerrar() {
  if (conexion == SQL_NULL_HDBC) return;
  if (enTransaccion) SQLEndTran(SQL_HANDLE_DBC, conexion, SQL_ROLLBACK);
  enTransaccion = false;
  SQLDisconnect(conexion);
  SQLFreeHandle(SQL_HANDLE_DBC, conexion);
  conexion = SQL_NULL_HDBC;
  claves.clear();
}

SQLHDBC Conexion::Impl::Requerir() const {
  if (conexion == SQL_NULL_HDBC)
    throw ErrorBD("08003", "La conexión con la base de datos no está abierta");
  return conexion;
}

void Conexion::Impl::TerminarTransaccion(SQLSMALLINT fin) {
  Requerir();
  if (!enTransaccion) throw ErrorBD("25000", "No hay ninguna transacción empezada");
  // Autocommit comes back even when the end fails, so that the connection stays usable.
  const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, conexion, fin);
  try {
    Comprobar(rc, SQL_HANDLE_DBC, conexion);
  } catch (...) {
    SQLEndTran(SQL_HANDLE_DBC, conexion, SQL_ROLLBACK);
    PonerAutocommit(true);
    throw;
  }
  PonerAutocommit(true);
}

void Conexion::Impl::PonerAutocommit(bool activo) {
  const auto valor = activo ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
  Comprobar(SQLSetConnectAttr(conexion, SQL_ATTR_AUTOCOMMIT,
                              reinterpret_cast<SQLPOINTER>(static_cast<std::uintptr_t>(valor)), 0),
            SQL_HANDLE_DBC, conexion);
  enTransaccion = !activo;
}

std::string Conexion::Impl::Citar(const std::string& nombre) const {
  std::string citado = comilla;
  for (const char c : nombre) {
    citado += c;
    if (comilla.size() == 1 && c == comilla[0]) citado += c;
  }
  return citado + comilla;
}

const std::string& Conexion::Impl::ClaveDe(const std::string& esquema, const std::string& tabla) {
  const std::string nombre = esquema.empty() ? tabla : esquema + "." + tabla;
  if (const auto it = claves.find(nombre); it != claves.end()) return it->second;
  Sentencia sentencia(Requerir());
  sentencia.ClavePrimaria(esquema, tabla);
  const Columna columnaNombre{"COLUMN_NAME"};
  std::vector<std::string> columnas;
  while (sentencia.Siguiente()) {
    // Column 4 of the catalog's result is the key column's name.
    const Valor valor = sentencia.Leer(4, columnaNombre);
    if (const auto* texto = std::get_if<std::string>(&valor)) columnas.push_back(*texto);
  }
  if (columnas.size() != 1) {
    throw ErrorBD("HY000",
                  "La tabla «" + nombre + "» no tiene una clave primaria de una sola columna");
  }
  return claves.emplace(nombre, columnas.front()).first->second;
}

}  // namespace quillora::db
