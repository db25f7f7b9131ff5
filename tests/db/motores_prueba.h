#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "db/conexion.h"
#include "db/motor.h"

namespace quillora::db {

// Test names and failure messages show the engine's name.
void PrintTo(Motor motor, std::ostream* salida);

namespace prueba {

// A fresh, empty database on one engine, removed with everything in it when this goes. SQLite: a
// new file. PostgreSQL: a schema of its own in the QUILLORA_PG_CONEXION database, made the only
// one the connections see, so that tests can run in parallel.
class BaseDatosPrueba {
 public:
  // Whether the engine can be reached here: PostgreSQL needs QUILLORA_PG_CONEXION.
  static bool Disponible(Motor motor);

  explicit BaseDatosPrueba(Motor motor);
  ~BaseDatosPrueba();
  BaseDatosPrueba(const BaseDatosPrueba&) = delete;
  BaseDatosPrueba& operator=(const BaseDatosPrueba&) = delete;

  Motor GetMotor() const { return motor_; }
  // Opens further connections on the same database. On PostgreSQL they start with
  // standard_conforming_strings off, as on servers configured the old way.
  const std::string& GetCadenaConexion() const { return cadena_; }
  // The same database with the server's own settings, for a data source to name.
  const std::string& GetCadenaOrigen() const { return cadenaOrigen_; }
  // Open on the database.
  const std::shared_ptr<Conexion>& GetConexion() const { return conexion_; }

  // Runs the statement written for this engine.
  void EjecutarDdl(std::string_view sqlite, std::string_view postgresql);
  // The column type of a key the database numbers, for DDL written once for both engines.
  std::string ClaveNumerada() const;

 private:
  Motor motor_;
  std::string cadena_;
  std::string cadenaOrigen_;
  std::filesystem::path carpeta_;         // SQLite
  std::string esquema_;                   // PostgreSQL
  std::shared_ptr<Conexion> administra_;  // PostgreSQL: creates and drops the schema
  std::shared_ptr<Conexion> conexion_;
};

// Base of tests written once and run on every engine (TEST_P), each on a fresh database:
//   class MiPrueba : public prueba::PruebaMotores {};
//   TEST_P(MiPrueba, Caso) { Bd().GetConexion()->Execute("..."); }
//   INSTANTIATE_TEST_SUITE_P(Motores, MiPrueba, prueba::kMotores, prueba::NombreMotor);
class PruebaMotores : public ::testing::TestWithParam<Motor> {
 protected:
  void SetUp() override;
  void TearDown() override;
  BaseDatosPrueba& Bd() { return *bd_; }

 private:
  std::unique_ptr<BaseDatosPrueba> bd_;
};

// Every row of the query, in the order returned: these columns as text joined by "|", "<nulo>"
// for Null.
std::vector<std::string> Consulta(const std::shared_ptr<Conexion>& conexion, const std::string& sql,
                                  const std::vector<std::string>& columnas);

inline const auto kMotores = ::testing::Values(Motor::SQLite, Motor::PostgreSQL);
std::string NombreMotor(const ::testing::TestParamInfo<Motor>& info);

}  // namespace prueba
}  // namespace quillora::db
