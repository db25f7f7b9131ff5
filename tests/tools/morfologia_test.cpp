#include "morfologia.h"

#include <gtest/gtest.h>

namespace quillora::diccionario {
namespace {

TEST(Morfologia, RegularFormsOfNounsOfPeople) {
  const struct {
    std::string masculino, femenino, plural;
  } casos[] = {
      {"alumno", "alumna", "alumnos"},        {"director", "directora", "directores"},
      {"campeón", "campeona", "campeones"},   {"catalán", "catalana", "catalanes"},
      {"inglés", "inglesa", "ingleses"},      {"bailarín", "bailarina", "bailarines"},
      {"docente", "docente", "docentes"},     {"periodista", "periodista", "periodistas"},
      {"militar", "militar", "militares"},    {"juez", "juez", "jueces"},
      {"marroquí", "marroquí", "marroquíes"}, {"bebé", "bebé", "bebés"},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(Femenino(caso.masculino), caso.femenino);
    EXPECT_EQ(Plural(caso.masculino), caso.plural);
  }
  EXPECT_EQ(DeclinarFrase("técnico de mantenimiento", Femenino), "técnica de mantenimiento");
  EXPECT_EQ(DeclinarFrase("ingeniero informático", Plural), "ingenieros informáticos");
  EXPECT_EQ(DeclinarFrase("director de orquesta", Plural), "directores de orquesta");
}

TEST(Morfologia, DoubletsAndSlashes) {
  EXPECT_EQ(Unir("investigadores", "y", "investigadoras"), "investigadores e investigadoras");
  EXPECT_EQ(Unir("hijos", "y", "hijas"), "hijos e hijas");
  EXPECT_EQ(Unir("agua", "y", "hielo"), "agua y hielo");
  EXPECT_EQ(Unir("operario", "o", "operaria"), "operario u operaria");
  EXPECT_EQ(Unir("alumno", "o", "alumna"), "alumno o alumna");
  EXPECT_EQ(UnirFormas("jefe de cocina", "o", "jefa de cocina"), "jefe o jefa de cocina");
  EXPECT_EQ(UnirFormas("ingeniero informático", "o", "ingeniera informática"),
            "ingeniero informático o ingeniera informática");
  EXPECT_EQ(ConBarra("ingeniero", "ingeniera"), "ingeniero/a");
  EXPECT_EQ(ConBarra("alcalde", "alcaldesa"), "alcalde/sa");
  EXPECT_EQ(ConBarra("director comercial", "directora comercial"), "director/a comercial");
  EXPECT_EQ(ConBarra("campeón", "campeona"), "campeón/a");
  EXPECT_EQ(ConBarra("inglés", "inglesa"), "inglés/a");
  EXPECT_EQ(ConBarra("actor", "actriz"), "actor/actriz");
}

}  // namespace
}  // namespace quillora::diccionario
