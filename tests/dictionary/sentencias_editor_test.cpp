// The statements the dictionary editor sends, as it writes them, on every engine.
#include <gtest/gtest.h>

#include "db/dialecto_sql.h"
#include "db/motores_prueba.h"
#include "db/recordset.h"
#include "dictionary/esquema_bd.h"

namespace quillora {
namespace {

using db::Recordset;
using db::TipoBloqueo;
using db::TipoCursor;

class SentenciasEditorTest : public db::prueba::PruebaMotores {
 protected:
  void SetUp() override {
    PruebaMotores::SetUp();
    if (IsSkipped()) return;
    esquema_bd::CrearEsquema(*Bd().GetConexion());
    Sql("INSERT INTO Morfologia VALUES (1, 'Sustantivo', NULL), (2, 'Expresión', NULL)");
    Sql("INSERT INTO Sexismo VALUES (3, 'Masculino genérico', 'd'), (4, 'Androcentrismo', 'd'), "
        "(5, 'Asimetría', 'd')");
  }

  void Sql(const std::string& sentencia) { Bd().GetConexion()->Execute(sentencia); }

  // The first column of every row, as the lists show them.
  std::vector<std::string> Columna(const std::string& sql, const std::string& columna) {
    Recordset registro;
    registro.SetActiveConnection(Bd().GetConexion());
    registro.Open(sql, TipoCursor::SoloAvance, TipoBloqueo::Optimista);
    std::vector<std::string> valores;
    for (; !registro.GetEOF(); registro.MoveNext()) {
      const auto& valor = registro.Fields(columna).GetValue();
      valores.push_back(db::EsNulo(valor) ? "<nulo>" : std::get<std::string>(valor));
    }
    return valores;
  }

  // A new entry as the entry editor adds it; answers the number the database gave it.
  std::int64_t InsertarEntrada(const std::string& nombre, std::int64_t sexismo) {
    Recordset registro;
    registro.SetActiveConnection(Bd().GetConexion());
    registro.Open("Select * from Entrada Where IdEntrada = -1", TipoCursor::Keyset,
                  TipoBloqueo::Optimista);
    registro.AddNew();
    registro.Fields("Entrada").SetValue(nombre);
    registro.Fields("Etimologia").SetValue(db::Valor{});
    registro.Fields("Morfologia").SetValue(std::int64_t{1});
    registro.Fields("Sexismo").SetValue(sexismo);
    registro.Update();
    const auto id = std::get<std::int64_t>(registro.Fields("idEntrada").GetValue());
    registro.Close();
    return id;
  }

  std::int64_t InsertarSustituto(std::int64_t entrada, const std::string& texto) {
    Recordset registro;
    registro.SetActiveConnection(Bd().GetConexion());
    registro.Open("Select * from Sustituto Where IdSustituto = -1", TipoCursor::Keyset,
                  TipoBloqueo::Pesimista);
    registro.AddNew();
    registro.Fields("Sustituto").SetValue(texto);
    registro.Fields("Contexto").SetValue(db::Valor{});
    registro.Fields("Entrada").SetValue(entrada);
    registro.Update();
    return std::get<std::int64_t>(registro.Fields("idSustituto").GetValue());
  }
};

using V = std::vector<std::string>;

TEST_P(SentenciasEditorTest, ListsFiltersAndSearchesLikeTheBrowser) {
  const auto padre = InsertarEntrada("padre", 3);
  InsertarEntrada("PÁDRE DE FAMILIA", 4);
  InsertarEntrada("compadre", 3);
  InsertarEntrada("Padrísimo", 3);
  InsertarEntrada("madre", 3);
  InsertarEntrada("ÑANDÚ y pingüino", 5);
  InsertarEntrada("50% de los_hombres", 5);
  InsertarEntrada("O'Donnell", 5);

  EXPECT_EQ(
      Columna("Select idSexismo, Sexismo, Descripcion From Sexismo Order By Sexismo ", "Sexismo"),
      (V{"Androcentrismo", "Asimetría", "Masculino genérico"}));

  const std::string lista =
      "Select Entrada.Entrada, Entrada.IdEntrada, (Select Morfologia.Morfologia From Morfologia "
      "Where Entrada.Morfologia = Morfologia.IdMorfologia) as NombreMorfologia , (Select "
      "Sexismo.Sexismo From Sexismo Where Entrada.Sexismo = Sexismo.IdSexismo) as NombreSexismo "
      "From Entrada";
  EXPECT_EQ(Columna(lista + " Where  Entrada.Entrada Like '%p[aáà]dr[eéè]%' and  "
                            "Entrada.Sexismo = 3 Order By Entrada.Entrada",
                    "Entrada"),
            (V{"compadre", "padre"}));
  EXPECT_EQ(Columna(lista + " Where  Entrada.Entrada Like '%p[aáà]dr[eéè]%' Order By "
                            "Entrada.IdEntrada",
                    "NombreSexismo"),
            (V{"Masculino genérico", "Androcentrismo", "Masculino genérico"}));
  // Letter case never matters, for accented and plain letters alike.
  EXPECT_EQ(Columna(lista + " Where Entrada.Entrada Like '%ñand[uúù]%'", "Entrada"),
            (V{"ÑANDÚ y pingüino"}));
  EXPECT_EQ(Columna(lista + " Where Entrada.Entrada Like '%PINGÜ%'", "Entrada"),
            (V{"ÑANDÚ y pingüino"}));
  EXPECT_EQ(
      Columna(lista + " Where Entrada.Entrada Like 'p_dr%' Order By Entrada.IdEntrada", "Entrada"),
      (V{"padre", "PÁDRE DE FAMILIA", "Padrísimo"}));
  EXPECT_EQ(Columna(lista + " Where Entrada.Entrada Like '%50[%]%l[oóò]s[_]h%'", "Entrada"),
            (V{"50% de los_hombres"}));
  EXPECT_EQ(Columna(lista + " Where Entrada.Entrada Like '%[oóò]''d%'", "Entrada"),
            (V{"O'Donnell"}));
  EXPECT_EQ(Columna(lista + " Where Entrada.Entrada Like '[!pP]%dre' Order By Entrada.Entrada",
                    "Entrada"),
            (V{"compadre", "madre"}));
  EXPECT_EQ(
      Columna(lista + " Where Entrada.IdEntrada = " + std::to_string(padre), "NombreMorfologia"),
      (V{"Sustantivo"}));
}

TEST_P(SentenciasEditorTest, EditsEntriesAndAlternativesLikeTheEditors) {
  const auto id = InsertarEntrada("el hombre", 4);
  const auto otra = InsertarEntrada("l'home", 4);
  EXPECT_GT(otra, id);

  // The duplicate look-ups, with a name holding a quote written safely.
  auto existe = [&](const std::string& nombre, std::int64_t distintaDe) {
    return !Columna("Select * from Entrada Where Entrada = " + db::LiteralSql(nombre) +
                        " and IdEntrada <> " + std::to_string(distintaDe),
                    "Entrada")
                .empty();
  };
  EXPECT_TRUE(existe("l'home", -1));
  EXPECT_FALSE(existe("l'home", otra));
  EXPECT_FALSE(existe("x' or '1'='1", -1));

  const auto primera = InsertarSustituto(id, "el ser humano");
  const auto segunda = InsertarSustituto(id, "la humanidad");
  EXPECT_GT(segunda, primera);

  {  // RefrescarSustituto's query, and a change written through the alternative editor's query.
    Recordset registro;
    registro.SetActiveConnection(Bd().GetConexion());
    registro.Open(
        "Select Sustituto.*, (Select Entrada.Entrada From Entrada Where "
        "Entrada.IdEntrada = Sustituto.Entrada) as NombreEntrada from Sustituto Where "
        "Sustituto.IdSustituto = " +
            std::to_string(primera),
        TipoCursor::Dinamico, TipoBloqueo::Optimista);
    ASSERT_FALSE(registro.GetEOF());
    EXPECT_EQ(std::get<std::string>(registro.Fields("NombreEntrada").GetValue()), "el hombre");
    registro.Fields("Contexto").SetValue(std::string("para la especie"));
    registro.Update();
  }
  EXPECT_EQ(
      Columna("Select Sustituto.* from Sustituto Where Sustituto.Entrada = " + std::to_string(id),
              "Contexto"),
      (V{"para la especie", "<nulo>"}));

  Sql("Delete * from Sustituto Where IdSustituto = " + std::to_string(segunda));
  Sql("Delete * from Sustituto Where Entrada = " + std::to_string(id));
  Sql("Delete * from Entrada Where IdEntrada = " + std::to_string(id));
  Sql("Delete * from Entrada Where IdEntrada = " + std::to_string(id));  // nothing left: no error
  EXPECT_EQ(Columna("Select Entrada.Entrada from Entrada Where Entrada.IdEntrada = " +
                        std::to_string(otra),
                    "Entrada"),
            (V{"l'home"}));
  EXPECT_TRUE(Columna("Select * from Sustituto", "Sustituto").empty());
}

INSTANTIATE_TEST_SUITE_P(Motores, SentenciasEditorTest, db::prueba::kMotores,
                         db::prueba::NombreMotor);

}  // namespace
}  // namespace quillora
