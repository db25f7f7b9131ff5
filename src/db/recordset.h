#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/valor.h"

namespace quillora::db {

class Conexion;

// Cursor and lock types, with their numbers.
enum class TipoCursor : std::int32_t { SoloAvance = 0, Keyset = 1, Dinamico = 2 };
enum class TipoBloqueo : std::int32_t { Pesimista = 2, Optimista = 3 };

// One column of the current row.
class Campo {
 public:
  Campo(std::string nombre, Valor valor) : nombre_(std::move(nombre)), valor_(std::move(valor)) {}
  const std::string& GetName() const { return nombre_; }
  const Valor& GetValue() const { return valor_; }
  // Only before Update; the record set writes the columns that were set.
  void SetValue(Valor valor);
  bool GetCambiado() const { return cambiado_; }

 private:
  friend class Recordset;
  std::string nombre_;
  Valor valor_;
  bool cambiado_ = false;
};

// The rows of a query, read front to back, on a connection (the part of a record set object the
// system relies on). New rows are added with AddNew, the columns set, and Update; after Update
// the table's key column holds the number the database gave the row.
class Recordset {
 public:
  Recordset();
  ~Recordset();
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  void SetActiveConnection(std::shared_ptr<Conexion> conexion);
  void SetSource(std::string sql);
  // Opens the query in the callers' dialect, positioned on the first row. ErrorBD on failure;
  // an error too when there is no open connection.
  void Open(TipoCursor cursor, TipoBloqueo bloqueo);
  void Open(const std::string& sql, TipoCursor cursor, TipoBloqueo bloqueo);
  std::int32_t GetState() const;

  bool GetEOF() const;
  void MoveNext();
  // The column of the current row, by name without regard to case; ErrorBD when the query has
  // no such column or there is no current row.
  Campo& Fields(std::string_view nombre);

  // Starts a new row of the query's table, every column Null.
  void AddNew();
  // Writes the new row (INSERT) or the changed columns of the current row (UPDATE).
  void Update();
  void Close();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace quillora::db
