#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quillora::db {

// True when the user's or the system's ODBC configuration defines the data source.
bool ExisteOrigenDatos(const std::string& nombre);

// The SQLite database file as the value of a connection string's or an odbc.ini's "Database":
// a "file:" URI with every byte but letters, digits and "/._~-" percent-encoded, so that no
// character of the path (";", "{", "=", a blank, a line break) is read as syntax.
std::string BaseSqlite(const std::filesystem::path& archivo);

// How an odbc.ini names the SQLite 3 ODBC driver: the name it is installed under, or the path
// of its library; none when it is not installed.
std::optional<std::string> ControladorSqlite();

}  // namespace quillora::db
