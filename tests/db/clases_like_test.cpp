// Like classes that the engines' own pattern syntaxes could misread, run on each engine.
#include <gtest/gtest.h>

#include "db/error_bd.h"
#include "db/motores_prueba.h"

namespace quillora::db {
namespace {

using S = std::vector<std::string>;

class ClasesLikeTest : public prueba::PruebaMotores {
 protected:
  void SetUp() override {
    PruebaMotores::SetUp();
    if (IsSkipped()) return;
    Bd().GetConexion()->Execute("CREATE TABLE Signo (Orden INTEGER, Texto TEXT)");
    std::string filas;
    int orden = 0;
    for (const auto* texto : {"^", "_", "`", "a", "A", "-", "[", ":", ".", "=", "\\",
                              "]", "Z", "z", "à", "ÿ", "À", "Ÿ", "×", "÷", "Ā", "b"}) {
      filas += (filas.empty() ? "(" : ", (") + std::to_string(++orden) + ", '" + texto + "')";
    }
    Bd().GetConexion()->Execute("INSERT INTO Signo VALUES " + filas);
  }

  S Como(const std::string& patron) {
    return prueba::Consulta(
        Bd().GetConexion(),
        "Select Texto from Signo Where Texto Like '" + patron + "' Order By Orden", {"Texto"});
  }
};

TEST_P(ClasesLikeTest, EveryEngineReadsTheClassesAlike) {
  EXPECT_EQ(Como("[^-a]"), (S{"^", "_", "`", "a", "A"}));  // a range, not a negation
  EXPECT_EQ(Como("[!^-a]"), (S{"-", "[", ":", ".", "=", "\\", "]", "Z", "z", "à", "ÿ", "À", "Ÿ",
                               "×", "÷", "Ā", "b"}));
  EXPECT_EQ(Como("[[:]"), (S{"[", ":"}));  // no POSIX class
  EXPECT_EQ(Como("[[.]"), (S{"[", "."}));
  EXPECT_EQ(Como("[=[]"), (S{"[", "="}));
  EXPECT_EQ(Como("[Z-\\]"), (S{"[", "\\", "Z", "z"}));  // a backslash closes the range
  EXPECT_EQ(Como("[\\-^]"), (S{"^", "\\", "]"}));
  EXPECT_EQ(Como("[]-]"), (S{"-", "]"}));
  // The other case of an accented range is its letters' other cases, not a range.
  EXPECT_EQ(Como("[à-ÿ]"), (S{"à", "ÿ", "À", "Ÿ", "÷"}));
  EXPECT_THROW(Como("[z-a]"), ErrorBD);
  EXPECT_THROW(Como("%[ÿ-à]"), ErrorBD);
}

INSTANTIATE_TEST_SUITE_P(Motores, ClasesLikeTest, prueba::kMotores, prueba::NombreMotor);

}  // namespace
}  // namespace quillora::db
