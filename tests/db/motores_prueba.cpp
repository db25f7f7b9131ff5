#include "db/motores_prueba.h"

#ifdef _WIN32
#include <process.h>

#include "origen_wine.h"
#else
#include <unistd.h>
#endif

#include <atomic>
#include <cstdlib>
#include <string>

#include "db/error_bd.h"
#include "db/recordset.h"

namespace quillora::db {

void PrintTo(Motor motor, std::ostream* salida) {
  *salida << (motor == Motor::PostgreSQL ? "PostgreSQL"
              : motor == Motor::SQLite   ? "SQLite"
                                         : "Otro");
}

namespace prueba {
namespace {

const char* CadenaPostgresql() { return std::getenv("QUILLORA_PG_CONEXION"); }

std::string Unico() {
  static std::atomic<int> contador = 0;
#ifdef _WIN32
  const auto proceso = ::_getpid();
#else
  const auto proceso = ::getpid();
#endif
  return std::to_string(proceso) + "_" + std::to_string(++contador);
}

// The SQLite driver is the build machine's own, reached under Wine through its ODBC driver
// manager: it opens Unix paths, which Wine gives for a Windows one.
std::string RutaParaElControlador(const std::filesystem::path& ruta) {
#ifdef _WIN32
  return win32::RutaUnix(ruta);
#else
  return ruta.string();
#endif
}

}  // namespace

bool BaseDatosPrueba::Disponible(Motor motor) {
  return motor != Motor::PostgreSQL || CadenaPostgresql() != nullptr;
}

BaseDatosPrueba::BaseDatosPrueba(Motor motor)
    : motor_(motor), conexion_(std::make_shared<Conexion>()) {
  if (motor == Motor::PostgreSQL) {
    const std::string base = CadenaPostgresql();
    esquema_ = "prueba_" + Unico();
    administra_ = std::make_shared<Conexion>();
    administra_->Open(base);
    administra_->Execute("DROP SCHEMA IF EXISTS " + esquema_ + " CASCADE");
    administra_->Execute("CREATE SCHEMA " + esquema_);
    // psqlODBC runs ConnSettings on every new connection.
    cadenaOrigen_ =
        base + (base.ends_with(';') ? "" : ";") + "ConnSettings=SET search_path TO " + esquema_;
    // The tests' own connections start reading backslashes in literals as escapes, as on servers
    // configured the old way: the connection must read them as text.
    cadena_ = base + (base.ends_with(';') ? "" : ";") + "ConnSettings={SET search_path TO " +
              esquema_ + "; SET standard_conforming_strings TO off}";
  } else {
    carpeta_ = std::filesystem::temp_directory_path() / ("quillora_prueba_" + Unico());
    std::filesystem::remove_all(carpeta_);
    std::filesystem::create_directory(carpeta_);
    cadena_ = std::string("Driver=") + QUILLORA_SQLITE_ODBC +
              ";Database=" + RutaParaElControlador(carpeta_ / "prueba.db") + ";StepAPI=1";
    cadenaOrigen_ = cadena_;
  }
  conexion_->Open(cadena_);
}

BaseDatosPrueba::~BaseDatosPrueba() {
  conexion_->Close();
  if (motor_ == Motor::PostgreSQL) {
    try {
      administra_->Execute("DROP SCHEMA " + esquema_ + " CASCADE");
    } catch (const ErrorBD& error) {
      ADD_FAILURE() << error.what();
    }
  } else {
    std::error_code error;
    std::filesystem::remove_all(carpeta_, error);
  }
}

void BaseDatosPrueba::EjecutarDdl(std::string_view sqlite, std::string_view postgresql) {
  conexion_->Execute(std::string(motor_ == Motor::PostgreSQL ? postgresql : sqlite));
}

std::string BaseDatosPrueba::ClaveNumerada() const {
  return motor_ == Motor::PostgreSQL ? "SERIAL PRIMARY KEY" : "INTEGER PRIMARY KEY AUTOINCREMENT";
}

void PruebaMotores::SetUp() {
  if (!BaseDatosPrueba::Disponible(GetParam())) {
    GTEST_SKIP() << "Sin PostgreSQL: ejecute las pruebas con scripts/con-postgres, que pone "
                    "QUILLORA_PG_CONEXION";
  }
  bd_ = std::make_unique<BaseDatosPrueba>(GetParam());
}

void PruebaMotores::TearDown() { bd_.reset(); }

std::vector<std::string> Consulta(const std::shared_ptr<Conexion>& conexion, const std::string& sql,
                                  const std::vector<std::string>& columnas) {
  Recordset registro;
  registro.SetActiveConnection(conexion);
  registro.Open(sql, TipoCursor::SoloAvance, TipoBloqueo::Optimista);
  std::vector<std::string> filas;
  for (; !registro.GetEOF(); registro.MoveNext()) {
    std::string fila;
    for (const auto& columna : columnas) {
      if (&columna != &columnas.front()) fila += "|";
      fila += ComoTexto(registro.Fields(columna).GetValue()).value_or("<nulo>");
    }
    filas.push_back(fila);
  }
  return filas;
}

std::string NombreMotor(const ::testing::TestParamInfo<Motor>& info) {
  return ::testing::PrintToString(info.param);
}

}  // namespace prueba
}  // namespace quillora::db
