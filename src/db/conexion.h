#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "db/motor.h"

namespace quillora::db {

// A connection to an ODBC data source (the part of a database connection object the system
// relies on). Text goes through the narrow ODBC functions in UTF-8.
class Conexion {
 public:
  static constexpr std::int32_t kCerrada = 0;
  static constexpr std::int32_t kAbierta = 1;

  Conexion();
  ~Conexion();
  Conexion(const Conexion&) = delete;
  Conexion& operator=(const Conexion&) = delete;

  // Opens the connection string; a non-empty user name or password is added to it. ErrorBD on
  // failure. Opening an open connection is an error.
  void Open(const std::string& cadenaConexion, const std::string& usuario = {},
            const std::string& clave = {});
  std::int32_t GetState() const;
  // Closing a closed connection does nothing.
  void Close();
  // Runs one statement in the callers' dialect; ErrorBD on failure.
  void Execute(const std::string& sql);

  // Statements between BeginTrans and CommitTrans take effect together; RollbackTrans undoes
  // them. Outside a transaction every statement takes effect at once.
  void BeginTrans();
  void CommitTrans();
  void RollbackTrans();

  // The engine, found when the connection opened.
  Motor GetMotor() const;
  // The engine's name and version as the driver reports them.
  std::string GetNombreMotor() const;

  struct Impl;
  // For record sets bound to this connection.
  Impl& GetImpl() const;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace quillora::db
