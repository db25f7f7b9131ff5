#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "db/motores_prueba.h"

namespace quillora::prueba {

// Points the data source "Quillora" at a test database: an odbc.ini of the test's own, named by
// ODBCINI, as a user's configuration would. The program's connection string carries an empty
// user name, so a PostgreSQL source names its user through Pqopt.
// The driver manager keeps what it read of a data source for the life of the process, so a
// process may point the data source once: CTest runs each test in a process of its own.
class OrigenQuillora {
 public:
  explicit OrigenQuillora(const db::prueba::BaseDatosPrueba& bd);
  // A configuration without the data source.
  OrigenQuillora();
  ~OrigenQuillora();
  OrigenQuillora(const OrigenQuillora&) = delete;
  OrigenQuillora& operator=(const OrigenQuillora&) = delete;

 private:
  std::filesystem::path carpeta_;
};

// An empty dictionary database on each engine with the data source "Quillora" pointing at it;
// the program's connection is closed when the test ends.
class PruebaDiccionario : public db::prueba::PruebaMotores {
 protected:
  void SetUp() override;
  void TearDown() override;
  void Sql(const std::string& sentencia) { Bd().GetConexion()->Execute(sentencia); }

 private:
  std::unique_ptr<OrigenQuillora> origen_;
};

}  // namespace quillora::prueba
