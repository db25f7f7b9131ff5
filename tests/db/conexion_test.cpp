#include "db/conexion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <regex>

#include "db/error_bd.h"
#include "db/motores_prueba.h"

namespace quillora::db {
namespace {

using prueba::PruebaMotores;

std::string Minusculas(std::string texto) {
  std::transform(texto.begin(), texto.end(), texto.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return texto;
}

std::int64_t Contar(const std::shared_ptr<Conexion>& conexion, const std::string& tabla) {
  return std::stoll(prueba::Consulta(conexion, "SELECT COUNT(*) AS n FROM " + tabla, {"n"}).at(0));
}

class ConexionTest : public PruebaMotores {};

TEST(Conexion, UnOrigenQueNoExisteDaSuSqlState) {
  // Looking a data source up makes the driver manager create the account's odbc.ini when it is
  // missing; this test reads an empty configuration instead of writing there. Under Wine the
  // driver manager reads the environment Wine started with, which the test's runner sets.
#ifndef _WIN32
  struct SinConfiguracionUsuario {
    std::optional<std::string> antes;
    SinConfiguracionUsuario() {
      if (const char* valor = std::getenv("ODBCINI")) antes = valor;
      setenv("ODBCINI", "/dev/null", 1);
    }
    ~SinConfiguracionUsuario() {
      if (antes) {
        setenv("ODBCINI", antes->c_str(), 1);
      } else {
        unsetenv("ODBCINI");
      }
    }
  } sinConfiguracion;
#endif
  Conexion conexion;
  try {
    conexion.Open("DSN=NoExisteQuillora");
    FAIL() << "se abrió un origen de datos que no existe";
  } catch (const ErrorBD& error) {
    EXPECT_EQ(error.GetSqlState(), "IM002");
    EXPECT_TRUE(std::string(error.what()).starts_with("Error de la base de datos [IM002]: "))
        << error.what();
  }
  EXPECT_EQ(conexion.GetState(), Conexion::kCerrada);
  EXPECT_THROW(conexion.Execute("SELECT 1"), ErrorBD);
}

TEST_P(ConexionTest, AbreDetectaElMotorCierraYVuelveAAbrir) {
  auto& conexion = *Bd().GetConexion();
  EXPECT_EQ(conexion.GetState(), Conexion::kAbierta);
  EXPECT_EQ(conexion.GetMotor(), GetParam());
  const std::string nombre = GetParam() == Motor::SQLite ? "SQLite " : "PostgreSQL ";
  EXPECT_TRUE(conexion.GetNombreMotor().starts_with(nombre)) << conexion.GetNombreMotor();
  EXPECT_GT(conexion.GetNombreMotor().size(), nombre.size());
  EXPECT_THROW(conexion.Open(Bd().GetCadenaConexion()), ErrorBD);

  conexion.Close();
  EXPECT_EQ(conexion.GetState(), Conexion::kCerrada);
  conexion.Close();
  EXPECT_THROW(conexion.Execute("SELECT 1"), ErrorBD);
  conexion.Open(Bd().GetCadenaConexion());
  EXPECT_EQ(conexion.GetState(), Conexion::kAbierta);
}

TEST_P(ConexionTest, UsuarioYClaveSeAnadenALaCadena) {
  // The user and password move out of the connection string into Open's arguments.
  std::string cadena = Bd().GetCadenaConexion();
  std::smatch usuario;
  std::smatch clave;
  std::regex_search(cadena, usuario, std::regex("Username=([^;]*);?"));
  const std::string nombreUsuario = usuario.empty() ? "nadie" : usuario[1].str();
  cadena = std::regex_replace(cadena, std::regex("Username=[^;]*;?"), "");
  std::regex_search(cadena, clave, std::regex("Password=([^;]*);?"));
  const std::string textoClave = clave.empty() ? "nada;{x}" : clave[1].str();
  cadena = std::regex_replace(cadena, std::regex("Password=[^;]*;?"), "");

  Conexion conexion;
  conexion.Open(cadena, nombreUsuario, textoClave);
  EXPECT_EQ(conexion.GetState(), Conexion::kAbierta);
  if (GetParam() == Motor::PostgreSQL) {
    Conexion mala;
    try {
      mala.Open(cadena, nombreUsuario, textoClave + "x");
      FAIL() << "se abrió con una clave equivocada";
    } catch (const ErrorBD& error) {
      EXPECT_EQ(error.GetSqlState().size(), 5u);
      EXPECT_EQ(mala.GetState(), Conexion::kCerrada);
    }
  }
}

TEST_P(ConexionTest, EjecutaYCuentaLosFallosConSqlStateYMensaje) {
  auto& conexion = *Bd().GetConexion();
  conexion.Execute("CREATE TABLE Prueba (Id INTEGER PRIMARY KEY, Texto TEXT)");
  conexion.Execute("INSERT INTO Prueba (Id, Texto) VALUES (1, 'uno')");
  // A DELETE that finds no row is not a failure.
  conexion.Execute("Delete * from Prueba Where Id = 99");
  EXPECT_EQ(Contar(Bd().GetConexion(), "Prueba"), 1);
  conexion.Execute("Delete * from Prueba Where Id = 1");
  EXPECT_EQ(Contar(Bd().GetConexion(), "Prueba"), 0);

  try {
    conexion.Execute("INSERT INTO NoExiste (Id) VALUES (1)");
    FAIL() << "se insertó en una tabla que no existe";
  } catch (const ErrorBD& error) {
    const std::string mensaje = error.what();
    ASSERT_EQ(error.GetSqlState().size(), 5u) << mensaje;
    EXPECT_TRUE(mensaje.starts_with("Error de la base de datos [" + error.GetSqlState() + "]: "))
        << mensaje;
    EXPECT_NE(Minusculas(mensaje).find("noexiste"), std::string::npos) << mensaje;
  }
  // The connection stays usable after a failure.
  conexion.Execute("INSERT INTO Prueba (Id, Texto) VALUES (2, 'dos')");
  EXPECT_EQ(Contar(Bd().GetConexion(), "Prueba"), 1);
}

TEST_P(ConexionTest, LasTransaccionesConfirmanODeshacenJuntas) {
  auto& conexion = *Bd().GetConexion();
  conexion.Execute("CREATE TABLE Prueba (Id INTEGER PRIMARY KEY)");
  EXPECT_THROW(conexion.CommitTrans(), ErrorBD);
  conexion.BeginTrans();
  EXPECT_THROW(conexion.BeginTrans(), ErrorBD);
  conexion.Execute("INSERT INTO Prueba (Id) VALUES (1)");
  conexion.Execute("INSERT INTO Prueba (Id) VALUES (2)");
  conexion.RollbackTrans();
  EXPECT_EQ(Contar(Bd().GetConexion(), "Prueba"), 0);

  conexion.BeginTrans();
  conexion.Execute("INSERT INTO Prueba (Id) VALUES (3)");
  conexion.CommitTrans();
  EXPECT_EQ(Contar(Bd().GetConexion(), "Prueba"), 1);
  // Back in autocommit: seen from another connection at once.
  conexion.Execute("INSERT INTO Prueba (Id) VALUES (4)");
  auto otra = std::make_shared<Conexion>();
  otra->Open(Bd().GetCadenaConexion());
  EXPECT_EQ(Contar(otra, "Prueba"), 2);

  // Closing in a transaction undoes it.
  conexion.BeginTrans();
  conexion.Execute("INSERT INTO Prueba (Id) VALUES (5)");
  conexion.Close();
  EXPECT_EQ(Contar(otra, "Prueba"), 2);
}

INSTANTIATE_TEST_SUITE_P(Motores, ConexionTest, prueba::kMotores, prueba::NombreMotor);

}  // namespace
}  // namespace quillora::db
