// What the control models do on their own: typing into boxes, rich text, focus.
#include <gtest/gtest.h>

#include "ui/cuadro_texto.h"
#include "ui/formulario.h"

namespace quillora::ui {
namespace {

class Ventana : public Formulario {
 public:
  Ventana() : Formulario("Entrada") { Registrar({&txtEntrada, &RTBEtimologia}); }
  CuadroTexto txtEntrada{"txtEntrada"};
  TextoEnriquecido RTBEtimologia{"RTBEtimologia"};
};

TEST(Controles, TypingKeepsToTheBoxLimitsButCodeSetsTextWhole) {
  Ventana ventana;
  auto& caja = ventana.txtEntrada;
  caja.SetMaxLength(5);
  caja.Escribir("ñandúes");  // characters, not bytes
  EXPECT_EQ(caja.GetText(), "ñandú");
  caja.Escribir("dos\r\nlíneas");
  EXPECT_EQ(caja.GetText(), "dos");
  caja.SetMultiLine(true);
  caja.Escribir("a\nb");
  EXPECT_EQ(caja.GetText(), "a\nb");
  caja.SetText("más de cinco");
  EXPECT_EQ(caja.GetText(), "más de cinco");
  caja.SetLocked(true);
  caja.Escribir("otra");
  EXPECT_EQ(caja.GetText(), "más de cinco");

  EXPECT_EQ(ventana.GetActiveControl(), nullptr);
  caja.SetFocus();
  EXPECT_EQ(ventana.GetActiveControl(), &caja);
  CuadroTexto suelta("txtSuelta");
  EXPECT_THROW(suelta.SetFocus(), std::logic_error);
}

TEST(Controles, ARichTextBoxKeepsItsDocumentAndPlainTextTogether) {
  Ventana ventana;
  auto& caja = ventana.RTBEtimologia;
  caja.SetText("Préstamo {latino}\nsegunda");
  EXPECT_TRUE(caja.GetTextRTF().starts_with("{\\rtf1"));
  EXPECT_NE(caja.GetTextRTF().find("Pr\\'e9stamo \\{latino\\}\\par"), std::string::npos);

  TextoEnriquecido otra("otra");
  otra.SetTextRTF(caja.GetTextRTF());
  EXPECT_EQ(otra.GetText(), "Préstamo {latino}\nsegunda");  // the closing paragraph is no text
  otra.SetTextRTF("sin formato");
  EXPECT_EQ(otra.GetText(), "sin formato");
  EXPECT_EQ(otra.GetTextRTF(), "sin formato");
  caja.SetText("");
  EXPECT_EQ(caja.GetTextRTF(), "");  // no text: the empty document
}

}  // namespace
}  // namespace quillora::ui
