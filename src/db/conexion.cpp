#include "db/conexion.h"

#include <algorithm>
#include <string_view>

#include "db/dialecto_sql.h"
#include "db/error_bd.h"
#include "db/odbc.h"

namespace quillora::db {
namespace {

// Adds "clave=valor" to a connection string; braces let the value hold ';' or outer blanks.
void AnadirAtributo(std::string& cadena, std::string_view clave, const std::string& valor) {
  if (valor.empty()) return;
  if (!cadena.empty() && cadena.back() != ';') cadena += ';';
  cadena.append(clave).append("=");
  if (valor.find_first_of(";{}") == std::string::npos && valor.front() != ' ' &&
      valor.back() != ' ') {
    cadena += valor;
    return;
  }
  cadena += '{';
  for (const char c : valor) {
    cadena += c;
    if (c == '}') cadena += c;
  }
  cadena += '}';
}

std::string Informacion(SQLHDBC conexion, SQLUSMALLINT tipo) {
  std::string texto(256, '\0');
  SQLSMALLINT longitud = 0;
  Comprobar(
      SQLGetInfo(conexion, tipo, texto.data(), static_cast<SQLSMALLINT>(texto.size()), &longitud),
      SQL_HANDLE_DBC, conexion);
  texto.resize(std::min<std::size_t>(static_cast<std::size_t>(longitud), texto.size() - 1));
  return texto;
}

}  // namespace

Conexion::Conexion() : impl_(std::make_unique<Impl>()) {}

Conexion::~Conexion() = default;

void Conexion::Open(const std::string& cadenaConexion, const std::string& usuario,
                    const std::string& clave) {
  if (impl_->conexion != SQL_NULL_HDBC) {
    throw ErrorBD("08002", "La conexión con la base de datos ya está abierta");
  }
  std::string cadena = cadenaConexion;
  AnadirAtributo(cadena, "UID", usuario);
  AnadirAtributo(cadena, "PWD", clave);

  Comprobar(SQLAllocHandle(SQL_HANDLE_DBC, impl_->entorno, &impl_->conexion), SQL_HANDLE_ENV,
            impl_->entorno);
  try {
    SQLHDBC conexion = impl_->conexion;
    impl_->PonerAutocommit(true);
    Comprobar(SQLDriverConnect(conexion, nullptr, reinterpret_cast<SQLCHAR*>(cadena.data()),
                               SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT),
              SQL_HANDLE_DBC, conexion);
    const std::string nombre = Informacion(conexion, SQL_DBMS_NAME);
    impl_->motor = nombre == "SQLite"       ? Motor::SQLite
                   : nombre == "PostgreSQL" ? Motor::PostgreSQL
                                            : Motor::Otro;
    impl_->nombreMotor = nombre + " " + Informacion(conexion, SQL_DBMS_VER);
    // A blank means the engine has no identifier quotes.
    impl_->comilla = Informacion(conexion, SQL_IDENTIFIER_QUOTE_CHAR);
    if (impl_->comilla == " ") impl_->comilla.clear();
    // A server configured the old way reads backslashes in literals as escapes, which would let
    // a quoted text end early and a pattern match other rows: literals are read as the standard
    // says, whatever the server's default.
    if (impl_->motor == Motor::PostgreSQL) {
      Sentencia(conexion).Ejecutar("SET standard_conforming_strings TO on");
    }
  } catch (...) {
    impl_->Cerrar();
    throw;
  }
}

std::int32_t Conexion::GetState() const {
  return impl_->conexion == SQL_NULL_HDBC ? kCerrada : kAbierta;
}

void Conexion::Close() { impl_->Cerrar(); }

void Conexion::Execute(const std::string& sql) {
  Sentencia sentencia(impl_->Requerir());
  sentencia.Ejecutar(TraducirSql(sql, impl_->motor));
}

void Conexion::BeginTrans() {
  impl_->Requerir();
  if (impl_->enTransaccion) throw ErrorBD("25000", "Ya hay una transacción empezada");
  impl_->PonerAutocommit(false);
}

void Conexion::CommitTrans() { impl_->TerminarTransaccion(SQL_COMMIT); }

void Conexion::RollbackTrans() { impl_->TerminarTransaccion(SQL_ROLLBACK); }

Motor Conexion::GetMotor() const { return impl_->motor; }

std::string Conexion::GetNombreMotor() const { return impl_->nombreMotor; }

Conexion::Impl& Conexion::GetImpl() const { return *impl_; }

}  // namespace quillora::db
