#include "review/rft.h"

#include <gtest/gtest.h>

namespace quillora::rft {
namespace {

TEST(Rft, HeadEscapesAndSpans) {
  EXPECT_EQ(CabeceraRTF(),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082{\\fonttbl{\\f0\\fnil\\fcharset0 "
            "Microsoft Sans Serif;}}\\viewkind4\\uc1\\pard\\f0\\fs17");
  EXPECT_EQ(EscaparRTF("¿Cómo?"), "¿C\\'f3mo?");
  EXPECT_EQ(EscaparRTF("a\\á"), "a\\\\\\'e1");  // the backslash is not doubled again
  EXPECT_EQ(
      EscaparRTF("ÁÉÍÓÚ áéíóú üÜ ñÑ {x}\n\r¡à!"),
      "\\'c1\\'c9\\'cd\\'d3\\'da \\'e1\\'e9\\'ed\\'f3\\'fa \\'fc\\'dc \\'f1\\'d1 {x}\n\\par¡à!");
  EXPECT_EQ(Negrita(EscaparRTF("Clasificación sexista: ")), "\\b Clasificaci\\'f3n sexista: \\b0 ");
  EXPECT_EQ(Resaltar("x"), "\\cf1 x\\cf0 ");
  EXPECT_EQ(InsertarTablaColores(CabeceraRTF()),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082{\\fonttbl{\\f0\\fnil\\fcharset0 "
            "Microsoft Sans Serif;}}{\\colortbl ;\\red255\\green0\\blue255;}"
            "\\viewkind4\\uc1\\pard\\f0\\fs17");
}

TEST(Rft, SplitsAStoredDocumentKeepingItsStylesAndTakingTheDialogsLayout) {
  std::string cabecera;
  auto cuerpo = SepararRTF(
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\viewkind4\\uc1\\pard\\b\\f0\\fs20 Hola\\par}",
      cabecera);
  EXPECT_EQ(cabecera,
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\viewkind4\\uc1\\pard\\f0\\fs17");
  EXPECT_EQ(cuerpo, "\\b Hola\\par}");

  // Indents, spacing and justification go; bold, italic and underline come back in that order.
  cuerpo = SepararRTF(
      "{\\rtf1{\\fonttbl}\\viewkind4\\uc1\\pard\\u\\i\\b\\fi-360\\sb120\\sl240\\slmult1\\qj\\f0"
      "\\fs8 x}",
      cabecera);
  EXPECT_EQ(cabecera, "{\\rtf1{\\fonttbl}\\viewkind4\\uc1\\pard\\f0\\fs17");
  EXPECT_EQ(cuerpo, "\\u\\i\\b x}");

  // A size of one or three digits is taken whole.
  EXPECT_EQ(SepararRTF("{\\rtf1\\viewkind4\\pard\\fs100 x}", cabecera), " x}");
  EXPECT_EQ(SepararRTF("{\\rtf1\\viewkind4\\pard\\fs8\\cf1 x}", cabecera), "\\cf1 x}");
}

TEST(Rft, TakesEmptyPlainOrOtherRichTextAsText) {
  std::string cabecera;
  EXPECT_EQ(SepararRTF("", cabecera), "");
  EXPECT_EQ(cabecera, CabeceraRTF());
  EXPECT_EQ(SepararRTF("Palabra genérica.\nOtra línea", cabecera),
            " Palabra gen\\'e9rica.\\parOtra l\\'ednea");
  EXPECT_EQ(SepararRTF("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Sin vista\\par}", cabecera),
            " Sin vista\\par");
  EXPECT_EQ(cabecera, CabeceraRTF());
}

}  // namespace
}  // namespace quillora::rft
