#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/texto_unicode.h"
#include "dictionary/clave_texto.h"

namespace quillora {
namespace {

// Letters whose upper case differs between case mappings, or that have none: every platform's
// text key must agree on them, since a key decides whether a dictionary term is found.
TEST(ClavesTest, LasLetrasDificilesDanLaMismaClaveEnCadaSistema) {
  const std::vector<std::pair<std::string, std::string>> casos = {
      {"áéíóú àèìòù âêîôû äëïöü", "ÁÉÍÓÚ ÀÈÌÒÙ ÂÊÎÔÛ ÄËÏÖÜ"},
      {"ñandú pingüino", "ÑANDÚ PINGÜINO"},
      {"çà ÿ", "ÇÀ Ÿ"},
      {"straße", "STRAßE"},      // ß has no one-letter upper case: it stays
      {"ﬁn", "ﬁN"},              // nor has the ligature
      {"ǆ ǅ Ǆ", "Ǆ Ǆ Ǆ"},        // digraphs in the three cases
      {"ς σ ά ή", "Σ Σ Ά Ή"},    // final sigma, tonos
      {"µ", "Μ"},                // the micro sign becomes the Greek capital
      {"ı i", "I I"},            // dotless i; i without the Turkish dot
      {"ё жёлтый", "Ё ЖЁЛТЫЙ"},  // Cyrillic
      {"ŉ", "ŉ"},                // no simple mapping
      {"  ñu  ", "ÑU"},          // outer blanks go
      {"\u00A0ñu", "\u00A0ÑU"},  // a no-break space is not an outer blank
      {"niños/as", "NIÑOS/AS"},
      {"l·l", "L·L"},
  };
  for (const auto& [texto, clave] : casos) {
    EXPECT_EQ(ClaveTexto(texto), clave) << texto;
    EXPECT_EQ(texto::CodePoints(ClaveTexto(texto)).size(),
              texto::CodePoints(texto::SinBlancosExteriores(texto)).size())
        << texto;
  }
  EXPECT_EQ(texto::Mayuscula(U'ñ'), U'Ñ');
  EXPECT_EQ(texto::Minuscula(U'Ñ'), U'ñ');
  EXPECT_EQ(texto::Mayuscula(U'ß'), U'ß');
  EXPECT_EQ(texto::Mayuscula(U'1'), U'1');
}

}  // namespace
}  // namespace quillora
