#pragma once

#include <optional>
#include <string>

namespace quillora::db {

// True when the user's or the system's ODBC configuration defines the data source.
bool ExisteOrigenDatos(const std::string& nombre);

// How an odbc.ini names the SQLite 3 ODBC driver: the name it is installed under, or the path
// of its library; none when it is not installed.
std::optional<std::string> ControladorSqlite();

}  // namespace quillora::db
