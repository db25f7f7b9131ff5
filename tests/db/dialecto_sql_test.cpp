#include "db/dialecto_sql.h"

#include <gtest/gtest.h>

#include "db/patron_like.h"

namespace quillora::db {
namespace {

TEST(DialectoSql, DeleteStarLosesItsStar) {
  for (const auto motor : {Motor::SQLite, Motor::PostgreSQL}) {
    EXPECT_EQ(TraducirSql("Delete * from Sustituto Where Entrada = 7", motor),
              "DELETE FROM Sustituto Where Entrada = 7");
    EXPECT_EQ(TraducirSql("delete   *\n FROM Entrada", motor), "DELETE FROM Entrada");
    EXPECT_EQ(TraducirSql("Delete from Entrada", motor), "Delete from Entrada");
    // Words inside quoted texts are data, not SQL.
    EXPECT_EQ(TraducirSql("Select 'Delete * from x' as t, 'a Like ''b''' from y", motor),
              "Select 'Delete * from x' as t, 'a Like ''b''' from y");
  }
  EXPECT_EQ(TraducirSql("Delete * from Entrada", Motor::Otro), "Delete * from Entrada");
}

TEST(DialectoSql, LikeBecomesACaseFreeGlobOnSqlite) {
  EXPECT_EQ(TraducirSql("Select * From Entrada Where Entrada.Entrada Like '%p[aáà]dr[eéè]%' and "
                        "Entrada.Sexismo = 3",
                        Motor::SQLite),
            "Select * From Entrada Where Entrada.Entrada GLOB '*[pP][aAáÁàÀ][dD][rR][eEéÉèÈ]*' "
            "and Entrada.Sexismo = 3");
  EXPECT_EQ(TraducirSql("x not like 'ñ_1'", Motor::SQLite), "x NOT GLOB '[ñÑ]?1'");
  // Literal wildcards of GLOB, and escaped Like wildcards, match themselves.
  EXPECT_EQ(TraducirSql("x Like '*?[[][%][_]'", Motor::SQLite), "x GLOB '[*][?][[]%_'");
  EXPECT_EQ(TraducirSql("x Like 'l''a%'", Motor::SQLite), "x GLOB '[lL]''[aA]*'");
  EXPECT_EQ(TraducirSql("x Like '[!a-c]'", Motor::SQLite), "x GLOB '[^a-cA-C]'");
  EXPECT_EQ(TraducirSql("x Like '[^]'", Motor::SQLite), "x GLOB '^'");
  EXPECT_EQ(TraducirSql("x Like '[]]'", Motor::SQLite), "x GLOB ']'");
  EXPECT_EQ(TraducirSql("x Like '[-^]'", Motor::SQLite), "x GLOB '[-^]'");
  EXPECT_EQ(TraducirSql("x Like '[x'", Motor::SQLite), "x GLOB '[[][xX]'");
}

TEST(DialectoSql, LikeBecomesAnAnchoredRegexOnPostgresql) {
  EXPECT_EQ(TraducirSql("Entrada Like '%C[AÁÀ]M[IÍÌ][OÓÒ]N%'", Motor::PostgreSQL),
            "Entrada ~ '^.*[Cc][AaÁáÀà][Mm][IiÍíÌì][OoÓóÒò][Nn].*$'");
  EXPECT_EQ(TraducirSql("x NOT LIKE 'a.b(c)_'", Motor::PostgreSQL),
            "x !~ '^[aA]\\.[bB]\\([cC]\\).$'");
  EXPECT_EQ(TraducirSql("x Like '50[%]'", Motor::PostgreSQL), "x ~ '^50%$'");
  EXPECT_EQ(TraducirSql("x Like '[\\]'", Motor::PostgreSQL), "x ~ '^\\\\$'");
  EXPECT_EQ(TraducirSql("x Like 'it''s'", Motor::PostgreSQL), "x ~ '^[iI][tT]''[sS]$'");
  // A Like whose pattern is not a quoted text is left to the engine.
  EXPECT_EQ(TraducirSql("x Like y", Motor::PostgreSQL), "x Like y");
}

TEST(DialectoSql, LiteralSqlDoublesQuotes) {
  EXPECT_EQ(LiteralSql("O'Donnell"), "'O''Donnell'");
  EXPECT_EQ(LiteralSql(""), "''");
}

}  // namespace
}  // namespace quillora::db
