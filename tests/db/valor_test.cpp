#include "db/valor.h"

#include <gtest/gtest.h>

#include "db/error_bd.h"

namespace quillora::db {
namespace {

TEST(Valor, KeysAreWholeNumbersThatFitIn32Bits) {
  EXPECT_EQ(Entero32(Valor{}, "Id"), std::nullopt);
  EXPECT_EQ(Entero32(Valor{std::int64_t{2147483647}}, "Id"), 2147483647);
  EXPECT_EQ(Entero32(Valor{std::int64_t{-2147483648LL}}, "Id"), -2147483647 - 1);
  EXPECT_EQ(Entero32(Valor{3.0}, "Id"), 3);
  EXPECT_EQ(Entero32(Valor{std::string("42")}, "Id"), 42);
  for (const auto& malo : {Valor{std::int64_t{2147483648LL}}, Valor{std::int64_t{-2147483649LL}},
                           Valor{3.5}, Valor{1e30}, Valor{std::string("4 2")},
                           Valor{std::string("")}, Valor{std::string("99999999999")}}) {
    EXPECT_THROW(Entero32(malo, "Id"), ErrorBD);
  }
  EXPECT_EQ(ComoTexto(Valor{std::int64_t{-7}}), "-7");
  EXPECT_EQ(ComoTexto(Valor{}), std::nullopt);
}

}  // namespace
}  // namespace quillora::db
