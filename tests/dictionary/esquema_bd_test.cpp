#include "dictionary/esquema_bd.h"

#include <gtest/gtest.h>

#include "db/conexion.h"
#include "db/error_bd.h"
#include "db/motores_prueba.h"

namespace quillora {
namespace {

class EsquemaBdTest : public db::prueba::PruebaMotores {};

TEST_P(EsquemaBdTest, CreatesAllTheTablesOrNone) {
  auto& conexion = *Bd().GetConexion();
  // A table of the same name already there makes the creation fail halfway.
  conexion.Execute("CREATE TABLE Entrada (Otra INTEGER)");
  EXPECT_FALSE(esquema_bd::ExisteEsquema(conexion));
  EXPECT_THROW(esquema_bd::CrearEsquema(conexion), db::ErrorBD);
  EXPECT_THROW(conexion.Execute("SELECT COUNT(*) FROM Morfologia"), db::ErrorBD);

  conexion.Execute("DROP TABLE Entrada");
  esquema_bd::CrearEsquema(conexion);
  EXPECT_TRUE(esquema_bd::ExisteEsquema(conexion));
  EXPECT_THROW(esquema_bd::CrearEsquema(conexion), db::ErrorBD);  // never twice
}

INSTANTIATE_TEST_SUITE_P(Motores, EsquemaBdTest, db::prueba::kMotores, db::prueba::NombreMotor);

}  // namespace
}  // namespace quillora
