#include "origen_datos.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "db/origenes_datos.h"
#include "dictionary/diccionario_muestra.h"

namespace quillora::posix {

namespace {

namespace fs = std::filesystem;

constexpr const char* kOrigen = "Quillora";

std::string Leer(const fs::path& archivo) {
  std::ifstream entrada(archivo, std::ios::binary);
  std::ostringstream contenido;
  contenido << entrada.rdbuf();
  return contenido.str();
}

// Writes the file whole or not at all: a temporary beside it, then a rename.
void EscribirAtomico(const fs::path& archivo, const std::string& contenido) {
  const fs::path temporal = archivo.string() + ".tmp-" + std::to_string(getpid());
  {
    std::ofstream salida(temporal, std::ios::binary | std::ios::trunc);
    salida << contenido;
    salida.close();
    if (!salida) {
      fs::remove(temporal);
      throw std::runtime_error("No se ha podido escribir " + archivo.string());
    }
  }
  fs::rename(temporal, archivo);
}

// A new database file with the schema and the sample dictionary, put in place only once full.
void CrearBaseDeMuestra(const fs::path& baseDatos, const std::string& controlador) {
  const fs::path temporal = baseDatos.string() + ".tmp-" + std::to_string(getpid());
  fs::remove(temporal);
  try {
    DiccionarioMuestra::Incorporado().CrearBaseSqlite(temporal, controlador);
    fs::rename(temporal, baseDatos);
  } catch (const std::exception& error) {
    std::error_code ignorado;
    fs::remove(temporal, ignorado);
    throw std::runtime_error("No se ha podido crear el diccionario de muestra en " +
                             baseDatos.string() + ": " + error.what());
  }
}

}  // namespace

fs::path CarpetaDatos() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
    return fs::path(xdg) / "quillora";
  }
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    throw std::runtime_error("No se sabe cuál es la carpeta personal: HOME no está definida");
  }
  return fs::path(home) / ".local" / "share" / "quillora";
}

OrigenDatos PrepararOrigenDatos() {
  const fs::path carpeta = CarpetaDatos();
  const fs::path odbcIni = carpeta / "odbc.ini";
  // Once pointed at the program's own configuration, the data source found there is its own.
  const char* configuracionUsuario = std::getenv("ODBCINI");
  const bool yaPropia =
      configuracionUsuario != nullptr && fs::path(configuracionUsuario) == odbcIni;
  if (!yaPropia && db::ExisteOrigenDatos(kOrigen)) return {};

  const auto controlador = db::ControladorSqlite();
  if (!controlador) {
    throw std::runtime_error(
        "No hay ningún origen de datos «Quillora» ni está instalado el controlador ODBC de "
        "SQLite (paquete libsqliteodbc) para crear el diccionario incorporado");
  }
  fs::create_directories(carpeta);
  OrigenDatos origen{true, carpeta / "quillora.db", false};
  if (!fs::exists(origen.baseDatos)) {
    CrearBaseDeMuestra(origen.baseDatos, *controlador);
    origen.recienCreado = true;
  }
  const std::string configuracion = std::string("[") + kOrigen +
                                    "]\nDescription=Diccionario incorporado de Quillora\n"
                                    "Driver=" +
                                    *controlador + "\nDatabase=" + origen.baseDatos.string() + "\n";
  if (!fs::exists(odbcIni) || Leer(odbcIni) != configuracion) {
    EscribirAtomico(odbcIni, configuracion);
  }
  // The driver manager reads the user's data sources from this file from now on.
  setenv("ODBCINI", odbcIni.c_str(), 1);
  return origen;
}

}  // namespace quillora::posix
