#pragma once

// Private to quillora_db: the ODBC handles behind Conexion and Recordset. Only the narrow (ANSI)
// functions are used, with UTF-8 text; the wide ones corrupt accents with the drivers we use.
// They are called by their plain names, which are the narrow entries wherever UNICODE is not
// defined: Wine's driver manager has no "A" entries, and MinGW declares some with wrong types.

#ifdef _WIN32
#include <windows.h>  // the system's ODBC headers build on its types
#endif
#include <sql.h>
#include <sqlext.h>

#include <map>
#include <string>
#include <vector>

#include "db/conexion.h"
#include "db/motor.h"
#include "db/valor.h"

namespace quillora::db {

// Throws the ErrorBD of the handle's first diagnostic record.
[[noreturn]] void LanzarDiagnostico(SQLSMALLINT tipoHandle, SQLHANDLE handle);
// Throws the handle's ErrorBD when rc is a failure.
void Comprobar(SQLRETURN rc, SQLSMALLINT tipoHandle, SQLHANDLE handle);

// How a column's values are read into a Valor.
enum class Lectura { Entero, Real, Texto };

struct Columna {
  std::string nombre;
  SQLSMALLINT tipoSql = SQL_VARCHAR;
  SQLULEN tamano = 0;
  SQLSMALLINT decimales = 0;
  Lectura lectura = Lectura::Texto;
};

// A value to bind, typed as the column it is written to or compared with.
struct Parametro {
  const Valor* valor;
  const Columna* columna;
};

// A statement handle on an open connection.
class Sentencia {
 public:
  explicit Sentencia(SQLHDBC conexion);
  ~Sentencia();
  Sentencia(const Sentencia&) = delete;
  Sentencia& operator=(const Sentencia&) = delete;

  // Runs sql with the parameters bound to its markers in order. SQL_NO_DATA (a searched DELETE or
  // UPDATE that touched no row) is not a failure.
  void Ejecutar(const std::string& sql, const std::vector<Parametro>& parametros = {});
  // The primary key columns of a table, as the driver's catalog gives them.
  void ClavePrimaria(const std::string& esquema, const std::string& tabla);
  std::vector<Columna> Columnas();
  // Moves to the next row of the result; false after the last.
  bool Siguiente();
  // The value of the column (from 1) in the current row; long texts come in pieces.
  Valor Leer(SQLUSMALLINT numero, const Columna& columna);
  SQLLEN FilasAfectadas();

 private:
  void Comprobar(SQLRETURN rc) const;

  SQLHSTMT handle_ = SQL_NULL_HSTMT;
};

struct Conexion::Impl {
  Impl();
  ~Impl();
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  // Ends the connection; an unfinished transaction is rolled back.
  void Cerrar();
  SQLHDBC Requerir() const;
  // Ends the transaction with SQL_COMMIT or SQL_ROLLBACK and goes back to autocommit.
  void TerminarTransaccion(SQLSMALLINT fin);
  // Autocommit off starts a transaction.
  void PonerAutocommit(bool activo);
  // The name between the engine's identifier quotes.
  std::string Citar(const std::string& nombre) const;
  // The single key column of a table, asked of the driver once per connection.
  const std::string& ClaveDe(const std::string& esquema, const std::string& tabla);

  SQLHENV entorno = SQL_NULL_HENV;
  SQLHDBC conexion = SQL_NULL_HDBC;
  Motor motor = Motor::Otro;
  std::string nombreMotor;
  std::string comilla;
  bool enTransaccion = false;
  std::map<std::string, std::string> claves;
};

}  // namespace quillora::db
