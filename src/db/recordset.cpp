#include "db/recordset.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>

#include "db/conexion.h"
#include "db/dialecto_sql.h"
#include "db/error_bd.h"
#include "db/odbc.h"
#include "db/tabla_consulta.h"

namespace quillora::db {
namespace {

bool MismoNombre(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

void Campo::SetValue(Valor valor) {
  valor_ = std::move(valor);
  cambiado_ = true;
}

struct Fila {
  std::vector<Campo> campos;
  // Started by AddNew and not yet written.
  bool nueva = false;
};

// Rows are fetched as the caller moves to them: callers read every row once, front to back, so
// a forward cursor serves every cursor and lock type alike, and an error in the middle of a
// table leaves the rows before it read.
struct Recordset::Impl {
  [[nodiscard]] Conexion::Impl& RequerirConexion() const {
    if (!conexion || conexion->GetState() != Conexion::kAbierta) {
      throw ErrorBD("08003", "La conexión con la base de datos no está abierta");
    }
    return conexion->GetImpl();
  }

  void RequerirAbierto() const {
    if (!abierto) throw ErrorBD("HY010", "El conjunto de registros está cerrado");
  }

  Fila& FilaActual() {
    RequerirAbierto();
    if (!fila) throw ErrorBD("24000", "No hay ninguna fila actual");
    return *fila;
  }

  // Fetches the next row of the query, or none after the last (and lets the statement go).
  void Avanzar() {
    fila.reset();
    if (!sentencia) return;
    if (!sentencia->Siguiente()) {
      sentencia.reset();
      return;
    }
    Fila leida;
    leida.campos.reserve(columnas.size());
    for (std::size_t i = 0; i < columnas.size(); ++i) {
      leida.campos.emplace_back(columnas[i].nombre,
                                sentencia->Leer(static_cast<SQLUSMALLINT>(i + 1), columnas[i]));
    }
    fila = std::move(leida);
  }

  [[nodiscard]] std::optional<std::size_t> BuscarColumna(std::string_view nombre) const {
    for (std::size_t i = 0; i < columnas.size(); ++i) {
      if (MismoNombre(columnas[i].nombre, nombre)) return i;
    }
    return std::nullopt;
  }

  void Insertar(Fila& fila);
  void Actualizar(Fila& fila);

  std::shared_ptr<Conexion> conexion;
  std::string fuente;
  bool abierto = false;
  // The statement as the engine ran it.
  std::string sql;
  std::vector<Columna> columnas;
  // The query's statement while it has rows left to fetch.
  std::unique_ptr<Sentencia> sentencia;
  std::optional<Fila> fila;
};

void Recordset::Impl::Insertar(Fila& fila) {
  Conexion::Impl& bd = RequerirConexion();
  const TablaConsulta tabla = TablaDeConsulta(sql, bd.motor);
  const auto clave = BuscarColumna(bd.ClaveDe(tabla.esquema, tabla.nombre));
  // A key the caller gave is kept; otherwise the database numbers it and we read it back.
  const bool leerClave = clave && !fila.campos[*clave].cambiado_;

  std::string nombres;
  std::string marcas;
  std::vector<Parametro> parametros;
  for (std::size_t i = 0; i < columnas.size(); ++i) {
    if (!fila.campos[i].cambiado_) continue;
    nombres += (parametros.empty() ? "" : ", ") + bd.Citar(columnas[i].nombre);
    marcas += parametros.empty() ? "?" : ", ?";
    parametros.push_back({&fila.campos[i].valor_, &columnas[i]});
  }
  std::string insercion = "INSERT INTO " + tabla.texto +
                          (parametros.empty() ? std::string(" DEFAULT VALUES")
                                              : " (" + nombres + ") VALUES (" + marcas + ")");
  const bool devolverClave = leerClave && bd.motor == Motor::PostgreSQL;
  if (devolverClave) insercion += " RETURNING " + bd.Citar(columnas[*clave].nombre);

  Sentencia sentencia(bd.conexion);
  try {
    sentencia.Ejecutar(insercion, parametros);
  } catch (const ErrorBD& error) {
    // Rows written with keys of their own (an import) leave PostgreSQL's numbering behind,
    // where SQLite's goes on after the largest key: it is moved past them and the row tried
    // again.
    if (!devolverClave || error.GetSqlState() != "23505") throw;
    const auto& columnaClave = columnas[*clave].nombre;
    Sentencia(bd.conexion)
        .Ejecutar("SELECT setval(pg_get_serial_sequence(" + LiteralSql(tabla.texto) + ", " +
                  LiteralSql(columnaClave) + "), (SELECT MAX(" + bd.Citar(columnaClave) +
                  ") FROM " + tabla.texto + "))");
    sentencia.Ejecutar(insercion, parametros);
  }
  if (devolverClave) {
    const auto devueltas = sentencia.Columnas();
    if (sentencia.Siguiente()) fila.campos[*clave].valor_ = sentencia.Leer(1, devueltas.front());
  } else if (leerClave && bd.motor == Motor::SQLite) {
    // The key of an INTEGER PRIMARY KEY table is its rowid; same connection, so our own row.
    Sentencia ultima(bd.conexion);
    ultima.Ejecutar("SELECT last_insert_rowid()");
    Columna rowid;
    rowid.lectura = Lectura::Entero;
    if (ultima.Siguiente()) fila.campos[*clave].valor_ = ultima.Leer(1, rowid);
  }
}

void Recordset::Impl::Actualizar(Fila& fila) {
  Conexion::Impl& bd = RequerirConexion();
  std::vector<Parametro> parametros;
  std::string asignaciones;
  for (std::size_t i = 0; i < columnas.size(); ++i) {
    if (!fila.campos[i].cambiado_) continue;
    asignaciones += (parametros.empty() ? "" : ", ") + bd.Citar(columnas[i].nombre) + " = ?";
    parametros.push_back({&fila.campos[i].valor_, &columnas[i]});
  }
  if (parametros.empty()) return;

  const TablaConsulta tabla = TablaDeConsulta(sql, bd.motor);
  const std::string& nombreClave = bd.ClaveDe(tabla.esquema, tabla.nombre);
  const auto clave = BuscarColumna(nombreClave);
  if (!clave) {
    throw ErrorBD("HY000", "La consulta no lee la clave «" + nombreClave + "» de la tabla «" +
                               tabla.texto + "», sin la que no se puede actualizar la fila");
  }
  // The row is found by its key, so the key itself cannot change here.
  if (fila.campos[*clave].cambiado_) {
    throw ErrorBD("HY000", "No se puede cambiar la clave «" + nombreClave + "» de una fila");
  }
  parametros.push_back({&fila.campos[*clave].valor_, &columnas[*clave]});

  Sentencia sentencia(bd.conexion);
  sentencia.Ejecutar("UPDATE " + tabla.texto + " SET " + asignaciones + " WHERE " +
                         bd.Citar(columnas[*clave].nombre) + " = ?",
                     parametros);
  if (sentencia.FilasAfectadas() == 0) {
    throw ErrorBD("HY000",
                  "La fila que se quería actualizar ya no está en la tabla «" + tabla.texto + "»");
  }
}

Recordset::Recordset() : impl_(std::make_unique<Impl>()) {}

Recordset::~Recordset() = default;

void Recordset::SetActiveConnection(std::shared_ptr<Conexion> conexion) {
  impl_->conexion = std::move(conexion);
}

void Recordset::SetSource(std::string sql) { impl_->fuente = std::move(sql); }

void Recordset::Open(TipoCursor /*cursor*/, TipoBloqueo /*bloqueo*/) {
  if (impl_->abierto) throw ErrorBD("HY010", "El conjunto de registros ya está abierto");
  Conexion::Impl& bd = impl_->RequerirConexion();
  std::string sql = TraducirSql(impl_->fuente, bd.motor);
  auto sentencia = std::make_unique<Sentencia>(bd.conexion);
  sentencia->Ejecutar(sql);
  impl_->columnas = sentencia->Columnas();
  impl_->sql = std::move(sql);
  impl_->sentencia = std::move(sentencia);
  try {
    impl_->Avanzar();
  } catch (...) {
    Close();
    throw;
  }
  impl_->abierto = true;
}

void Recordset::Open(const std::string& sql, TipoCursor cursor, TipoBloqueo bloqueo) {
  SetSource(sql);
  Open(cursor, bloqueo);
}

std::int32_t Recordset::GetState() const {
  return impl_->abierto ? Conexion::kAbierta : Conexion::kCerrada;
}

bool Recordset::GetEOF() const {
  impl_->RequerirAbierto();
  return !impl_->fila;
}

void Recordset::MoveNext() {
  impl_->FilaActual();
  impl_->Avanzar();
}

Campo& Recordset::Fields(std::string_view nombre) {
  Fila& fila = impl_->FilaActual();
  const auto columna = impl_->BuscarColumna(nombre);
  if (!columna) {
    throw ErrorBD("42S22", "No existe la columna «" + std::string(nombre) + "» en el resultado");
  }
  return fila.campos[*columna];
}

void Recordset::AddNew() {
  impl_->RequerirAbierto();
  Fila fila;
  fila.nueva = true;
  for (const Columna& columna : impl_->columnas) fila.campos.emplace_back(columna.nombre, Valor{});
  impl_->fila = std::move(fila);
}

void Recordset::Update() {
  Fila& fila = impl_->FilaActual();
  if (fila.nueva) {
    impl_->Insertar(fila);
  } else {
    impl_->Actualizar(fila);
  }
  fila.nueva = false;
  for (Campo& campo : fila.campos) campo.cambiado_ = false;
}

void Recordset::Close() {
  impl_->abierto = false;
  impl_->sql.clear();
  impl_->columnas.clear();
  impl_->sentencia.reset();
  impl_->fila.reset();
}

}  // namespace quillora::db
