#include "common/texto_unicode.h"

#include <gtest/gtest.h>

namespace quillora::texto {
namespace {

TEST(TextoUnicode, ConvierteEntreUtf8YUtf16SinPerderNada) {
  const std::string texto = "Señoras y señores: ¿ÁÉÍÓÚÜÑ? \xF0\x9F\x98\x80 fin";
  const auto utf16 = Utf8AUtf16(texto);
  // Word positions count UTF-16 units: the emoji takes two.
  EXPECT_EQ(utf16.size(), 35u);
  EXPECT_EQ(Utf16AUtf8(utf16), texto);
  EXPECT_EQ(Utf8AUtf16(""), u"");
  // Broken input never throws; the bad byte becomes the replacement character.
  EXPECT_EQ(Utf16AUtf8(Utf8AUtf16("a\xFF"
                                  "b")),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(Utf16AUtf8(std::u16string{u'x', static_cast<char16_t>(0xD800)}), "x\xEF\xBF\xBD");
}

TEST(TextoUnicode, MayusculasCaracterACaracter) {
  EXPECT_EQ(Mayusculas("camión"), "CAMIÓN");
  EXPECT_EQ(Mayusculas("niño pingüino"), "NIÑO PINGÜINO");
  EXPECT_EQ(Mayusculas("àèìòù ç"), "ÀÈÌÒÙ Ç");
  // Simple mapping keeps the number of characters: ß has no single upper-case letter.
  EXPECT_EQ(Mayusculas("straße"), "STRAßE");
  EXPECT_EQ(Mayusculas(" a\tb "), " A\tB ");
  EXPECT_EQ(Mayusculas("\xF0\x9D\x90\x80z"), "\xF0\x9D\x90\x80Z");
}

TEST(TextoUnicode, SoloQuitaLosBlancosNormalesDeLosExtremos) {
  EXPECT_EQ(SinBlancosExteriores("  casa "), "casa");
  EXPECT_EQ(SinBlancosExteriores("   "), "");
  EXPECT_EQ(SinBlancosExteriores(""), "");
  EXPECT_EQ(SinBlancosExteriores("\tcasa\t"), "\tcasa\t");
  EXPECT_EQ(SinBlancosExteriores(" la  casa "), "la  casa");
  EXPECT_EQ(SinBlancosExteriores("\xC2\xA0"
                                 "casa"),
            "\xC2\xA0"
            "casa");
}

TEST(TextoUnicode, ClasificaLosCaracteresComoLasPalabrasDeWord) {
  EXPECT_EQ(Clasificar(U'a'), ClaseCaracter::Palabra);
  EXPECT_EQ(Clasificar(U'Ñ'), ClaseCaracter::Palabra);
  EXPECT_EQ(Clasificar(U'7'), ClaseCaracter::Palabra);
  EXPECT_EQ(Clasificar(U'\u0301'), ClaseCaracter::Palabra);  // combining accent
  EXPECT_EQ(Clasificar(U'\u00AD'), ClaseCaracter::Palabra);
  EXPECT_EQ(Clasificar(U'中'), ClaseCaracter::Palabra);
  EXPECT_EQ(Clasificar(U' '), ClaseCaracter::Blanco);
  EXPECT_EQ(Clasificar(U'\u00A0'), ClaseCaracter::Blanco);
  EXPECT_EQ(Clasificar(U'\r'), ClaseCaracter::FinParrafo);
  EXPECT_EQ(Clasificar(U'\v'), ClaseCaracter::FinParrafo);
  for (char32_t c : {U',', U'/', U'\\', U'-', U'¿', U'¡', U'«', U'—', U'…', U'\t', U'€'}) {
    EXPECT_EQ(Clasificar(c), ClaseCaracter::Puntuacion) << static_cast<uint32_t>(c);
  }
}

}  // namespace
}  // namespace quillora::texto
