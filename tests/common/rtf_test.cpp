#include "common/rtf.h"

#include <gtest/gtest.h>

namespace quillora::rtf {
namespace {

TEST(Rtf, WritesTextAsARichTextBoxDoes) {
  const auto documento =
      DocumentoDeTexto("Niñas {y} niños\\ “todos” €\nsegunda línea \xF0\x9F\x98\x80");
  EXPECT_TRUE(documento.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082{\\fonttbl"));
  EXPECT_NE(documento.find("\\viewkind4\\uc1\\pard\\f0\\fs20 Ni\\'f1as \\{y\\} ni\\'f1os\\\\ "
                           "\\'93todos\\'94 \\'80\\par\r\nsegunda l\\'ednea \\u-10179?\\u-8704?"),
            std::string::npos)
      << documento;
  EXPECT_TRUE(documento.ends_with("\\par\r\n}\r\n"));
}

TEST(Rtf, ReadsBackTheTextItWrote) {
  for (const std::string texto :
       {"", "texto llano", "Acentos: áéíóú ÁÉÍÓÚ ü Ü ñ Ñ ¿¡ ç à «»", "Llaves {} y \\barras\\",
        "Dos\nlíneas", "Fuera de 1252: \u0107 \u4E2D \xF0\x9F\x98\x80", "— … ‘’ “” • ™ Œ"}) {
    EXPECT_EQ(TextoDeDocumento(DocumentoDeTexto(texto)), texto + "\n") << texto;
  }
}

TEST(Rtf, ReadsWhatOtherWritersProduce) {
  // Colour table, an ignorable destination, bold, a \uc0 run and a control symbol.
  EXPECT_EQ(TextoDeDocumento("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red255\\green0"
                             "\\blue0;}{\\*\\generator Riched20;}\\pard\\b Hola\\b0  mundo\\~"
                             "{\\uc0\\u241}\\tab x\\line y}"),
            "Hola mundo\u00A0\u00F1\tx\ny");
  EXPECT_EQ(TextoDeDocumento("no es rtf"), std::nullopt);
  EXPECT_EQ(TextoDeDocumento("{\\rtf1 sin cerrar"), std::nullopt);
  EXPECT_EQ(TextoDeDocumento("{\\rtf1 sobra}}"), "sobra");
  EXPECT_EQ(TextoDeDocumento("{\\rtf1 \\'zz}"), std::nullopt);
}

TEST(Rtf, ReadsTheStylesOfTheReviewBoxes) {
  const Color magenta{255, 0, 255};
  const auto leido = LeerDocumento(
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red255\\green0\\blue255;}"
      "\\viewkind4\\pard ¿Vio a \\cf1 \\b los ni\\'f1os\\b0 \\cf0  y {\\i\\ul "
      "\\uc2\\u241xx{\\uc1\\u-10179?\\u-8704?}}\\ul0 ?\\par}}");
  ASSERT_TRUE(leido);
  EXPECT_EQ(*leido, (std::vector<Tramo>{{"¿Vio a ", false, false, false, {}},
                                        {"los niños", true, false, false, magenta},
                                        {" y ", false, false, false, {}},
                                        {"ñ\xF0\x9F\x98\x80", false, true, true, {}},
                                        {"?\n", false, false, false, {}}}));
  // A byte that is no UTF-8 is read in code page 1252; colours outside the table are automatic.
  EXPECT_EQ(TextoDeDocumento("{\\rtf1 \x80\xBF{\\cf7 x}}"), "\u20AC\u00BFx");
  EXPECT_EQ(LeerDocumento("{\\rtf1 {\\cf7 x}}")->front().color, std::nullopt);
}

}  // namespace
}  // namespace quillora::rtf
