#include "origen_datos.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "db/conexion.h"
#include "db/motores_prueba.h"
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

  // The program loads the sample dictionary from the data source without a word.
  static void CargaLaMuestra() {
    std::ostringstream mensajes;
    terminal::ServiciosTerminal servicios(mensajes, false);
    GestionBD gestion;
    carga_bd::CargarDiccionario(gestion, servicios);
    EXPECT_EQ(mensajes.str(), "");
    EXPECT_GE(gestion.GetEntradas()->Count(), 400);
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

  CargaLaMuestra();

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

TEST_F(OrigenDatosTest, APathIsDataNeverConnectionSyntax) {
  // The part before ";" names a file of its own, which must stay as it is.
  const auto prefijo = raiz_ / "home" / "notas";
  std::ofstream(prefijo) << "intacto";
  const auto datos = raiz_ / "home" / "notas;viejas {x} }y{ a=b c'd ñ";
  setenv("XDG_DATA_HOME", datos.c_str(), 1);
  const auto origen = PrepararOrigenDatos();
  ASSERT_TRUE(origen.recienCreado);
  EXPECT_EQ(origen.baseDatos, datos / "quillora" / "quillora.db");
  EXPECT_GT(fs::file_size(origen.baseDatos), 0u);
  std::ifstream leido(prefijo);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(leido), {}), "intacto");

  CargaLaMuestra();
  const auto carpeta = (datos.filename() / "quillora").string();
  EXPECT_EQ(Archivos(),
            (std::vector<std::string>{"notas", carpeta + "/odbc.ini", carpeta + "/quillora.db"}));
}

TEST_F(OrigenDatosTest, LookingTheDataSourceUpWritesNoConfiguration) {
  // A user without an odbc.ini: the driver manager would create one where it looks.
  const auto falta = raiz_ / "sin-configuracion" / "odbc.ini";
  fs::create_directories(falta.parent_path());
  setenv("ODBCINI", falta.c_str(), 1);
  EXPECT_TRUE(PrepararOrigenDatos().embebido);
  EXPECT_TRUE(fs::is_empty(falta.parent_path()));

  // Nor in the account's home folder, when it has none there.
  unsetenv("ODBCINI");
  const auto cuenta = fs::path(getpwuid(getuid())->pw_dir) / ".odbc.ini";
  if (fs::exists(cuenta)) GTEST_SKIP() << cuenta << " ya existe";
  comun::Desconectar();
  EXPECT_TRUE(PrepararOrigenDatos().embebido);
  comun::Conectar();
  EXPECT_FALSE(fs::exists(cuenta));
}

TEST_F(OrigenDatosTest, TwoProgramsStartedTogetherShareOneDatabase) {
  // Each child creates the dictionary if it is missing, then writes an entry of its own.
  int barrera[2];
  ASSERT_EQ(pipe(barrera), 0);
  std::vector<pid_t> hijos;
  for (int proceso = 1; proceso <= 2; ++proceso) {
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
      close(barrera[1]);
      char nada;
      static_cast<void>(read(barrera[0], &nada, 1));  // both start when the parent says so
      try {
        const auto origen = PrepararOrigenDatos();
        comun::Conectar();
        comun::Conexion()->Execute("INSERT INTO Entrada (Entrada) VALUES ('proceso " +
                                   std::to_string(proceso) + "')");
        comun::Desconectar();
        _exit(origen.recienCreado ? 10 : 20);
      } catch (...) {
        _exit(1);
      }
    }
    hijos.push_back(hijo);
  }
  close(barrera[0]);
  close(barrera[1]);
  int creadas = 0;
  for (const auto hijo : hijos) {
    int estado = 0;
    waitpid(hijo, &estado, 0);
    ASSERT_TRUE(WIFEXITED(estado));
    ASSERT_NE(WEXITSTATUS(estado), 1);
    creadas += WEXITSTATUS(estado) == 10 ? 1 : 0;
  }
  EXPECT_EQ(creadas, 1);
  EXPECT_EQ(Archivos(), (std::vector<std::string>{".local/share/quillora/odbc.ini",
                                                  ".local/share/quillora/quillora.db"}));
  PrepararOrigenDatos();
  comun::Conectar();
  const auto escritas = db::prueba::Consulta(
      comun::Conexion(),
      "SELECT Entrada FROM Entrada WHERE Entrada LIKE 'proceso %' ORDER BY Entrada", {"Entrada"});
  EXPECT_EQ(escritas, (std::vector<std::string>{"proceso 1", "proceso 2"}));
}

}  // namespace
}  // namespace quillora::posix
