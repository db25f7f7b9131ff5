#include "dictionary/clave_texto.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

TEST(ClaveTexto, MayusculasConAcentosYSinBlancosExteriores) {
  EXPECT_EQ(ClaveTexto("  Casa "), "CASA");
  EXPECT_EQ(ClaveTexto("camión"), "CAMIÓN");
  EXPECT_NE(ClaveTexto("camion"), ClaveTexto("camión"));
  EXPECT_EQ(ClaveTexto("niña"), "NIÑA");
  // Inner blanks and tabs are part of the key; only outer U+0020 blanks go.
  EXPECT_EQ(ClaveTexto(" hombre  público "), "HOMBRE  PÚBLICO");
  EXPECT_EQ(ClaveTexto("\tcasa\t"), "\tCASA\t");
  EXPECT_EQ(ClaveTexto("   "), "");
  EXPECT_EQ(ClaveTexto(""), "");
}

}  // namespace
}  // namespace quillora
