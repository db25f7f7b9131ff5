#include "common/tag_variant.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace quillora::tag_variant {
namespace {

struct Objeto {
  int relleno[8] = {};
};

TEST(TagVariant, UnNumeroPorObjetoQueNuncaSeReutiliza) {
  auto a = std::make_shared<Objeto>();
  auto b = std::make_shared<Objeto>();
  const auto numeroA = IdObjeto(a);
  EXPECT_EQ(IdObjeto(a), numeroA);
  EXPECT_NE(IdObjeto(b), numeroA);
  EXPECT_GT(numeroA, 0);

  // A new object at a freed address (the allocator reuses them at once, except under the
  // address sanitizer) must not inherit the old number.
  std::set<std::int32_t> vistos{numeroA, IdObjeto(b)};
  for (int intento = 0; intento < 100; ++intento) {
    a.reset();
    a = std::make_shared<Objeto>();
    EXPECT_TRUE(vistos.insert(IdObjeto(a)).second);
  }
  EXPECT_THROW(IdObjeto(nullptr), std::invalid_argument);
}

TEST(TagVariant, ElRegistroOlvidaLosObjetosMuertos) {
  // Many short-lived objects: numbers stay distinct while the live ones keep theirs.
  auto vivo = std::make_shared<Objeto>();
  const auto numeroVivo = IdObjeto(vivo);
  std::set<std::int32_t> numeros;
  for (int i = 0; i < 10000; ++i) numeros.insert(IdObjeto(std::make_shared<Objeto>()));
  EXPECT_EQ(numeros.size(), 10000u);
  EXPECT_EQ(IdObjeto(vivo), numeroVivo);
}

}  // namespace
}  // namespace quillora::tag_variant
