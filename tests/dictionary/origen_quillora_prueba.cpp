#include "origen_quillora_prueba.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "dictionary/comun.h"
#include "dictionary/esquema_bd.h"

namespace quillora::prueba {

namespace {

std::filesystem::path CarpetaNueva() {
  std::string plantilla =
      (std::filesystem::temp_directory_path() / "quillora-odbc-XXXXXX").string();
  if (mkdtemp(plantilla.data()) == nullptr) throw std::runtime_error("mkdtemp");
  return plantilla;
}

void Usar(const std::filesystem::path& carpeta, const std::string& contenido) {
  static bool usado = false;
  if (usado) {
    throw std::logic_error(
        "El origen «Quillora» ya se ha configurado en este proceso; ejecute cada prueba que lo "
        "use en un proceso propio (ctest lo hace)");
  }
  usado = true;
  std::ofstream(carpeta / "odbc.ini") << contenido;
  setenv("ODBCINI", (carpeta / "odbc.ini").c_str(), 1);
}

}  // namespace

OrigenQuillora::OrigenQuillora(const db::prueba::BaseDatosPrueba& bd) : carpeta_(CarpetaNueva()) {
  std::string seccion = "[Quillora]\n";
  std::istringstream pares(bd.GetCadenaOrigen());
  for (std::string par; std::getline(pares, par, ';');) {
    const auto igual = par.find('=');
    if (igual == std::string::npos) continue;
    const auto clave = par.substr(0, igual);
    const auto valor = par.substr(igual + 1);
    if (clave == "Username") {
      seccion += "Pqopt=user=" + valor + "\n";
    } else if (clave != "Password") {
      seccion += clave + "=" + valor + "\n";
    }
  }
  Usar(carpeta_, seccion);
}

OrigenQuillora::OrigenQuillora() : carpeta_(CarpetaNueva()) { Usar(carpeta_, ""); }

OrigenQuillora::~OrigenQuillora() {
  unsetenv("ODBCINI");
  std::filesystem::remove_all(carpeta_);
}

void PruebaDiccionario::SetUp() {
  PruebaMotores::SetUp();
  if (IsSkipped()) return;
  esquema_bd::CrearEsquema(*Bd().GetConexion());
  origen_ = std::make_unique<OrigenQuillora>(Bd());
}

void PruebaDiccionario::TearDown() {
  comun::Desconectar();
  origen_.reset();
  PruebaMotores::TearDown();
}

}  // namespace quillora::prueba
