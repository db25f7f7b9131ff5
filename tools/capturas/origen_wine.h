#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quillora {
struct DiccionarioMuestra;
}

namespace quillora::win32::prueba {

// The data source "Quillora" on a new SQLite database holding the dictionary, for the life of the
// object. Under Wine the build machine's ODBC driver manager answers: the data source is written
// into the odbc.ini that the test's ODBCINI names, with the database's Unix path, before the
// first connection reads it.
class OrigenWine {
 public:
  explicit OrigenWine(const DiccionarioMuestra& diccionario);
  ~OrigenWine();
  OrigenWine(const OrigenWine&) = delete;
  OrigenWine& operator=(const OrigenWine&) = delete;

  // The key of the entry with that text; an error when there is none.
  std::int32_t IdEntrada(const std::string& texto) const;
  // The column's texts in the query's rows; "(Null)" for Null.
  std::vector<std::string> Columna(const std::string& sql, const std::string& columna) const;

 private:
  std::filesystem::path base_;
  std::string baseUnix_;
};

// A small dictionary: two classes of each kind, "el" and "la", and a few entries with their
// alternatives and comments.
const DiccionarioMuestra& DiccionarioPrueba();

}  // namespace quillora::win32::prueba
