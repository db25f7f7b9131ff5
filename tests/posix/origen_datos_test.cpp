#include "origen_datos.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "db/conexion.h"
#include "dictionary/carga_bd.h"
#include "dictionary/comun.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "servicios_terminal.h"

namespace quillora::posix {
namespace {

namespace fs = std::filesystem;

// A home of its own and an ODBC configuration with the installed drivers and no data source, so
// that nothing of the machine's configuration leaks in (the user's data sources are read from
// ODBCINI: the driver manager finds the home folder through the account, not $HOME). Each test
// runs in a process of its own: the driver manager keeps a data source's settings for the life
// of a process.
class OrigenDatosTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string plantilla = (fs::temp_directory_path() / "quillora-home-XXXXXX").string();
    ASSERT_NE(mkdtemp(plantilla.data()), nullptr);
    raiz_ = plantilla;
    fs::create_directories(raiz_ / "home");
    fs::create_directories(raiz_ / "sistema");
    if (fs::exists("/etc/odbcinst.ini")) fs::copy("/etc/odbcinst.ini", raiz_ / "sistema");
    std::ofstream(raiz_ / "sistema" / "odbc.ini") << "";
    std::ofstream(raiz_ / "usuario.ini") << "";
    setenv("HOME", (raiz_ / "home").c_str(), 1);
    setenv("ODBCSYSINI", (raiz_ / "sistema").c_str(), 1);
    setenv("ODBCINI", (raiz_ / "usuario.ini").c_str(), 1);
    unsetenv("XDG_DATA_HOME");
  }
  void TearDown() override {
    comun::Desconectar();
    fs::remove_all(raiz_);
  }

  // Every file below the home, relative to it.
  std::vector<std::string> Archivos() const {
    std::vector<std::string> archivos;
    for (const auto& entrada : fs::recursive_directory_iterator(raiz_ / "home")) {
      if (entrada.is_regular_file()) {
        archivos.push_back(fs::relative(entrada.path(), raiz_ / "home").string());
      }
    }
    std::sort(archivos.begin(), archivos.end());
    return archivos;
  }

  fs::path raiz_;
};

TEST_F(OrigenDatosTest, WithoutADataSourceTheSampleDictionaryIsCreatedOnFirstUse) {
  const auto origen = PrepararOrigenDatos();
  EXPECT_TRUE(origen.embebido);
  EXPECT_TRUE(origen.recienCreado);
  EXPECT_EQ(origen.baseDatos, raiz_ / "home/.local/share/quillora/quillora.db");
  // Nothing outside the program's folder, and no temporary file left behind.
  EXPECT_EQ(Archivos(), (std::vector<std::string>{".local/share/quillora/odbc.ini",
                                                  ".local/share/quillora/quillora.db"}));

  std::ostringstream mensajes;
  terminal::ServiciosTerminal servicios(mensajes, false);
  GestionBD gestion;
  carga_bd::CargarDiccionario(gestion, servicios);
  EXPECT_EQ(mensajes.str(), "");
  EXPECT_GE(gestion.GetEntradas()->Count(), 400);

  // Later runs find it and leave it as it is.
  const auto creado = fs::last_write_time(origen.baseDatos);
  const auto otraVez = PrepararOrigenDatos();
  EXPECT_TRUE(otraVez.embebido);
  EXPECT_FALSE(otraVez.recienCreado);
  EXPECT_EQ(fs::last_write_time(origen.baseDatos), creado);
}

TEST_F(OrigenDatosTest, FollowsXdgDataHome) {
  setenv("XDG_DATA_HOME", (raiz_ / "home" / "datos").c_str(), 1);
  EXPECT_EQ(CarpetaDatos(), raiz_ / "home/datos/quillora");
  const auto origen = PrepararOrigenDatos();
  EXPECT_EQ(origen.baseDatos, raiz_ / "home/datos/quillora/quillora.db");
  setenv("XDG_DATA_HOME", "relativa", 1);  // not an absolute path: ignored, as the rule says
  EXPECT_EQ(CarpetaDatos(), raiz_ / "home/.local/share/quillora");
}

TEST_F(OrigenDatosTest, ADataSourceTheUserDefinedWins) {
  const auto propia = raiz_ / "home" / "propia.db";
  std::ofstream(raiz_ / "usuario.ini")
      << "[Quillora]\nDriver=SQLite3\nDatabase=" << propia.string() << "\n";
  const auto origen = PrepararOrigenDatos();
  EXPECT_FALSE(origen.embebido);
  EXPECT_FALSE(fs::exists(raiz_ / "home/.local"));
  comun::Conectar();  // reaches the user's database (the driver creates the empty file)
  EXPECT_EQ(comun::Conexion()->GetState(), db::Conexion::kAbierta);
  EXPECT_TRUE(fs::exists(propia));
}

}  // namespace
}  // namespace quillora::posix
