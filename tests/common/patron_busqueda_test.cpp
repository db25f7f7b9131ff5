#include "common/patron_busqueda.h"

#include <gtest/gtest.h>

namespace quillora::comun {
namespace {

TEST(PatronBusqueda, WidensVowelsEscapesAndTurnsWildcards) {
  EXPECT_EQ(PatronBusqueda("camión"), "c[aáà]m[iíì][oóò]n");
  EXPECT_EQ(PatronBusqueda("camion"), "c[aáà]m[iíì][oóò]n");
  EXPECT_EQ(PatronBusqueda("CAMIÓN"), "C[AÁÀ]M[IÍÌ][OÓÒ]N");
  EXPECT_EQ(PatronBusqueda("pingüino"), "p[iíì]ngü[iíì]n[oóò]");
  EXPECT_EQ(PatronBusqueda("àèìòù ÀÈÌÒÙ"), "[aáà][eéè][iíì][oóò][uúù] [AÁÀ][EÉÈ][IÍÌ][OÓÒ][UÚÙ]");
  EXPECT_EQ(PatronBusqueda("l'*"), "l''%");
  EXPECT_EQ(PatronBusqueda("50%"), "50[%]");
  EXPECT_EQ(PatronBusqueda("a_b"), "[aáà][_]b");
  EXPECT_EQ(PatronBusqueda("[x]"), "[[]x]");
  EXPECT_EQ(PatronBusqueda("^?ñ"), "[^]_ñ");
  // The "%" a typed "*" becomes is not escaped again, nor the "_" of a "?".
  EXPECT_EQ(PatronBusqueda("*_?%"), "%[_]_[%]");
  EXPECT_EQ(PatronBusqueda(" o "), " [oóò] ");
  EXPECT_EQ(PatronBusqueda(""), "");
}

}  // namespace
}  // namespace quillora::comun
