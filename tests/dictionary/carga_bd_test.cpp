#include "dictionary/carga_bd.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dictionary/comun.h"
#include "dictionary/determinantes.h"
#include "dictionary/entrada.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "dictionary/morfologia.h"
#include "dictionary/morfologia_entrada.h"
#include "dictionary/morfologias.h"
#include "dictionary/sexismo.h"
#include "dictionary/sexismos.h"
#include "dictionary/sustituto.h"
#include "dictionary/sustitutos.h"
#include "origen_quillora_prueba.h"
#include "servicios_guionizados.h"

namespace quillora {
namespace {

using carga_bd::LecturaSustitutos;
using Mensajes = std::vector<prueba::ServiciosGuionizados::Mensaje>;

// What the loader says, once, whenever the database fails it.
const Mensajes kSinAcceso{{"No se ha podido acceder a la base de datos", ui::Icono::Critico,
                           ui::Botones::Aceptar, "Quillora"}};

class CargaBdTest : public prueba::PruebaDiccionario {
 protected:
  std::unique_ptr<GestionBD> Cargar(LecturaSustitutos lectura = LecturaSustitutos::EnUnaConsulta) {
    auto gestion = std::make_unique<GestionBD>();
    carga_bd::CargarDiccionario(*gestion, servicios, lectura);
    return gestion;
  }

  // Everything loaded, written out in order, to compare two loads.
  static std::string Volcado(const GestionBD& gestion) {
    std::string volcado;
    for (const auto& e : gestion.GetEntradas()->NewEnum()) {
      volcado += e->GetEntrada() + "#" + std::to_string(e->GetId()) + "[" + e->GetEtimologia() +
                 "](" + (e->GetMorfologia() ? e->GetMorfologia()->GetMorfologia() : "-") + "," +
                 (e->GetSexismo() ? e->GetSexismo()->GetSexismo() : "-") + "):";
      for (const auto& s : e->GetSustitutos()->NewEnum()) {
        volcado +=
            s->GetSustituto() + "#" + std::to_string(s->GetId()) + "/" + s->GetContexto() + ";";
      }
      volcado += "\n";
    }
    return volcado;
  }

  prueba::ServiciosGuionizados servicios;
};

TEST_P(CargaBdTest, FollowsEveryLoadingRule) {
  Sql("INSERT INTO Morfologia VALUES (1, 'Sustantivo', 'Nombre común'), (2, 'SUSTANTIVO ', "
      "'repetida'), (3, NULL, 'sin nombre'), (4, 'Adjetivo', NULL)");
  Sql("INSERT INTO Sexismo VALUES (7, 'Masculino genérico', 'Uso del masculino'), "
      "(8, 'Androcentrismo', NULL)");
  Sql("INSERT INTO Determinante VALUES (1, 'los'), (2, NULL), (3, 'LOS'), (4, 'd''el')");
  Sql("INSERT INTO Entrada (IdEntrada, Entrada, Etimologia, Morfologia, Sexismo) VALUES "
      "(10, 'los niños', 'Comentario ñ', 1, 7), (11, ' Los Niños ', 'duplicada', 4, 8), "
      "(12, 'el hombre', NULL, 99, 8), (13, NULL, 'sin texto', 1, 7), "
      "(14, 'O''Donnell', NULL, NULL, NULL), (15, 'pingüino', NULL, 2, NULL)");
  Sql("INSERT INTO Sustituto (IdSustituto, Sustituto, Contexto, Entrada) VALUES "
      "(100, 'la infancia', 'general', 10), (101, 'LA INFANCIA', 'repetida', 10), "
      "(102, 'niñas y niños', NULL, 10), (103, NULL, 'sin texto', 10), "
      "(104, 'de la duplicada', NULL, 11), (105, 'el ser humano', 'especie', 12), "
      "(106, 'huérfana', NULL, 999)");

  for (const auto lectura : {LecturaSustitutos::PorEntrada, LecturaSustitutos::EnUnaConsulta}) {
    const auto gestion = Cargar(lectura);
    EXPECT_EQ(servicios.mensajes, Mensajes{});
    EXPECT_EQ(gestion->GetMorfologias()->Count(), 2);  // the first row of a text wins
    EXPECT_EQ(gestion->GetMorfologias()->ItemByText("sustantivo")->GetDescripcion(),
              "Nombre común");
    EXPECT_EQ(gestion->GetMorfologias()->ItemById(4)->GetDescripcion(), "");
    EXPECT_EQ(gestion->GetSexismos()->Count(), 2);
    EXPECT_EQ(gestion->GetDeterminantes()->Count(), 2);
    EXPECT_EQ(gestion->GetDeterminantes()->ItemByText("d'el")->GetId(), 4);

    EXPECT_EQ(Volcado(*gestion),
              "los niños#10[Comentario ñ](Sustantivo,Masculino genérico):"
              "la infancia#100/general;niñas y niños#102/;\n"
              "el hombre#12[](-,Androcentrismo):el ser humano#105/especie;\n"
              "O'Donnell#14[](-,-):\n"
              "pingüino#15[](-,-):\n");
    const auto ninos = gestion->GetEntradas()->ItemByText("LOS NIÑOS");
    EXPECT_EQ(gestion->GetMorfologias()->ItemById(1)->GetEntradas()->ItemByText("los niños"),
              ninos);
  }
}

TEST_P(CargaBdTest, EmptyTablesGiveAnEmptyDictionaryWithoutMessage) {
  const auto gestion = Cargar();
  EXPECT_EQ(gestion->GetEntradas()->Count(), 0);
  EXPECT_EQ(gestion->GetMorfologias()->Count(), 0);
  EXPECT_TRUE(servicios.mensajes.empty());
  EXPECT_EQ(comun::Conexion(), nullptr);  // the loader closes what it opened
}

TEST_P(CargaBdTest, AFailureKeepsWhatWasReadAndSaysSoOnce) {
  Sql("INSERT INTO Morfologia VALUES (1, 'Sustantivo', NULL)");
  Sql("INSERT INTO Determinante VALUES (1, 'las')");
  Sql("INSERT INTO Entrada (IdEntrada, Entrada) VALUES (1, 'alumnos'), (2, 'profesores')");
  Sql("DROP TABLE Sustituto");
  for (const auto lectura : {LecturaSustitutos::PorEntrada, LecturaSustitutos::EnUnaConsulta}) {
    servicios.mensajes.clear();
    const auto gestion = Cargar(lectura);
    EXPECT_EQ(servicios.mensajes, kSinAcceso);
    EXPECT_EQ(gestion->GetMorfologias()->Count(), 1);
    EXPECT_EQ(gestion->GetDeterminantes()->Count(), 1);
    EXPECT_EQ(gestion->GetEntradas()->Count(), 1);  // the entry whose alternatives failed
  }
}

TEST_P(CargaBdTest, BothWaysOfReadingAlternativesAgree) {
  for (int i = 1; i <= 60; ++i) {
    Sql("INSERT INTO Entrada (Entrada) VALUES ('término " + std::to_string(i) + "')");
  }
  // Alternatives written in an order unrelated to their entries, with repeated texts.
  for (int i = 0; i < 300; ++i) {
    Sql("INSERT INTO Sustituto (Sustituto, Contexto, Entrada) VALUES ('alternativa " +
        std::to_string(i % 7) + "', 'c" + std::to_string(i) + "', " +
        std::to_string(i * 37 % 61 + 1) + ")");
  }
  // Rows no entry can own are left out by both: a missing entry, no entry, and on SQLite, whose
  // columns take any value, numbers that are none or do not fit.
  Sql("INSERT INTO Sustituto (Sustituto, Entrada) VALUES ('huérfana', 9999), ('sin entrada', "
      "NULL)");
  if (GetParam() == db::Motor::SQLite) {
    Sql("INSERT INTO Sustituto (Sustituto, Entrada) VALUES ('texto', 'abc'), ('enorme', "
        "99999999999)");
  }
  servicios.mensajes.clear();
  const auto porEntrada = Volcado(*Cargar(LecturaSustitutos::PorEntrada));
  EXPECT_EQ(porEntrada, Volcado(*Cargar(LecturaSustitutos::EnUnaConsulta)));
  EXPECT_TRUE(servicios.mensajes.empty());
  EXPECT_EQ(porEntrada.find("huérfana"), std::string::npos);
}

TEST_P(CargaBdTest, ADamagedPageKeepsTheEntriesBeforeIt) {
  if (GetParam() != db::Motor::SQLite) GTEST_SKIP() << "se daña el archivo de SQLite";
  constexpr int kEntradas = 3000;
  for (int desde = 0; desde < kEntradas; desde += 500) {
    std::string filas;
    for (int i = desde; i < desde + 500; ++i) {
      filas += (filas.empty() ? "" : ", ") + std::string("('entrada ") + std::to_string(i) + " " +
               std::string(200, 'x') + "')";
    }
    Sql("INSERT INTO Entrada (Entrada) VALUES " + filas);
  }
  const auto& cadena = Bd().GetCadenaConexion();
  const auto inicio = cadena.find("Database=") + 9;
  const std::filesystem::path archivo = cadena.substr(inicio, cadena.find(';', inicio) - inicio);
  Bd().GetConexion()->Close();
  // A leaf page well inside the table's pages gets a type no page has.
  constexpr std::uintmax_t kPagina = 4096;
  const auto paginas = std::filesystem::file_size(archivo) / kPagina;
  std::fstream danado(archivo, std::ios::in | std::ios::out | std::ios::binary);
  danado.seekp(static_cast<std::streamoff>(paginas * 3 / 5 * kPagina));
  danado.put('\x7f');
  danado.close();

  const auto gestion = Cargar();
  EXPECT_EQ(servicios.mensajes, kSinAcceso);
  EXPECT_GT(gestion->GetEntradas()->Count(), kEntradas / 3);
  EXPECT_LT(gestion->GetEntradas()->Count(), kEntradas);
}

INSTANTIATE_TEST_SUITE_P(Motores, CargaBdTest, db::prueba::kMotores, db::prueba::NombreMotor);

TEST(CargaBd, AMissingDataSourceLeavesEverythingEmpty) {
  prueba::OrigenQuillora sinOrigen;
  prueba::ServiciosGuionizados servicios;
  GestionBD gestion;
  carga_bd::CargarDiccionario(gestion, servicios);
  EXPECT_EQ(servicios.mensajes, kSinAcceso);
  EXPECT_EQ(gestion.GetEntradas()->Count() + gestion.GetMorfologias()->Count() +
                gestion.GetSexismos()->Count() + gestion.GetDeterminantes()->Count(),
            0);
  comun::Desconectar();
}

}  // namespace
}  // namespace quillora
