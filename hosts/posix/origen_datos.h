#pragma once

#include <filesystem>
#include <string>

namespace quillora::posix {

// Where the dictionary of the data source "Quillora" comes from.
struct OrigenDatos {
  // The program's own SQLite database, used because no data source "Quillora" was defined.
  bool embebido = false;
  std::filesystem::path baseDatos;  // when embebido
  bool recienCreado = false;        // when embebido: created now, with the sample dictionary
};

// The program's data folder: $XDG_DATA_HOME/quillora, or ~/.local/share/quillora.
std::filesystem::path CarpetaDatos();

// Makes the data source "Quillora" reachable. One the user or the system defined always wins.
// Otherwise the program points ODBC at an odbc.ini of its own in CarpetaDatos() naming the
// SQLite driver and a database there, created with the sample dictionary on first use. Nothing
// outside that folder is written. std::runtime_error, in Spanish, when it cannot.
OrigenDatos PrepararOrigenDatos();

}  // namespace quillora::posix
