#include "origen_datos.h"

#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "common/error_sistema.h"
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

// Puts the file in place only when nothing is there yet: answers false, leaving both as they are,
// when something is.
bool ColocarSinReemplazar(const fs::path& desde, const fs::path& hasta) {
  if (renameat2(AT_FDCWD, desde.c_str(), AT_FDCWD, hasta.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno == EEXIST) return false;
  if (errno != EINVAL && errno != ENOSYS) {
    throw std::system_error(errno, std::generic_category());
  }
  // A file system that cannot rename without replacing: a hard link is made only where no file
  // is.
  if (link(desde.c_str(), hasta.c_str()) != 0) {
    if (errno == EEXIST) return false;
    throw std::system_error(errno, std::generic_category());
  }
  fs::remove(desde);
  return true;
}

// A new database file with the schema and the sample dictionary, put in place only once full and
// only if no other program put one there meanwhile. Answers whether this one is it.
bool CrearBaseDeMuestra(const fs::path& baseDatos, const std::string& controlador) {
  const fs::path temporal = baseDatos.string() + ".tmp-" + std::to_string(getpid());
  std::error_code ignorado;
  fs::remove(temporal, ignorado);
  try {
    DiccionarioMuestra::Incorporado().CrearBaseSqlite(temporal, controlador);
    const bool colocada = ColocarSinReemplazar(temporal, baseDatos);
    fs::remove(temporal, ignorado);
    return colocada;
  } catch (const std::exception& error) {
    fs::remove(temporal, ignorado);
    throw std::runtime_error("No se ha podido crear el diccionario de muestra en " +
                             baseDatos.string() + ": " + comun::MensajeEspanol(error));
  }
}

// The home folder of the account, as the driver manager finds it (not $HOME).
std::optional<fs::path> CarpetaCuenta() {
  const passwd* cuenta = getpwuid(getuid());
  if (cuenta == nullptr || cuenta->pw_dir == nullptr) return std::nullopt;
  return fs::path(cuenta->pw_dir);
}

// The driver manager creates the user's odbc.ini wherever it looks for one that is missing. A
// user without one has no data sources there: it reads the empty /dev/null instead.
void SinCrearConfiguracionUsuario() {
  const char* configurada = std::getenv("ODBCINI");
  std::optional<fs::path> usuario;
  if (configurada != nullptr && *configurada != '\0') {
    usuario = configurada;
  } else if (const auto cuenta = CarpetaCuenta()) {
    usuario = *cuenta / ".odbc.ini";
  }
  std::error_code error;
  if (!usuario || !fs::exists(*usuario, error)) setenv("ODBCINI", "/dev/null", 1);
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
  if (!yaPropia) {
    SinCrearConfiguracionUsuario();
    if (db::ExisteOrigenDatos(kOrigen)) return {};
  }

  const auto controlador = db::ControladorSqlite();
  if (!controlador) {
    throw std::runtime_error(
        "No hay ningún origen de datos «Quillora» ni está instalado el controlador ODBC de "
        "SQLite (paquete libsqliteodbc) para crear el diccionario incorporado");
  }
  fs::create_directories(carpeta);
  OrigenDatos origen{true, carpeta / "quillora.db", false};
  if (!fs::exists(origen.baseDatos)) {
    origen.recienCreado = CrearBaseDeMuestra(origen.baseDatos, *controlador);
  }
  const std::string configuracion = std::string("[") + kOrigen +
                                    "]\nDescription=Diccionario incorporado de Quillora\n"
                                    "Driver=" +
                                    *controlador +
                                    "\nDatabase=" + db::BaseSqlite(origen.baseDatos) +
                                    // Rows are read as they are fetched: an error halfway
                                    // through a table leaves the rows before it.
                                    "\nStepAPI=1\n";
  if (!fs::exists(odbcIni) || Leer(odbcIni) != configuracion) {
    EscribirAtomico(odbcIni, configuracion);
  }
  // The driver manager reads the user's data sources from this file from now on.
  setenv("ODBCINI", odbcIni.c_str(), 1);
  return origen;
}

}  // namespace quillora::posix
