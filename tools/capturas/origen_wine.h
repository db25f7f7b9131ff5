#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace quillora {
struct DiccionarioMuestra;
namespace db {
class Conexion;
}
}  // namespace quillora

namespace quillora::win32 {

// The Unix path Wine gives a Windows one: what the build machine's ODBC drivers open.
std::string RutaUnix(const std::filesystem::path& ruta);

// The data source "Quillora" on a new SQLite database holding the dictionary, for the life of the
// object, for programs run under Wine. There the build machine's ODBC driver manager answers: the
// data source is written into the odbc.ini that the environment's ODBCINI names (Wine hands its
// starting environment to the driver manager), with the database's Unix path, before the first
// connection reads it.
class OrigenWine {
 public:
  explicit OrigenWine(const DiccionarioMuestra& diccionario);
  // Closes the shared connection and deletes the database.
  ~OrigenWine();
  OrigenWine(const OrigenWine&) = delete;
  OrigenWine& operator=(const OrigenWine&) = delete;

  // A connection of its own to the database, past the data source.
  std::shared_ptr<db::Conexion> Conectar() const;

 private:
  std::filesystem::path base_;
  std::string baseUnix_;
};

}  // namespace quillora::win32
