// The alternative editor over a real dictionary database, on every engine.
#include "editor/frm_sustituto.h"

#include <gtest/gtest.h>

#include "editor_prueba.h"

namespace quillora {
namespace {

using S = std::vector<std::string>;

class FrmSustitutoTest : public prueba::PruebaEditor {
 protected:
  void SetUp() override {
    PruebaEditor::SetUp();
    if (IsSkipped()) return;
    casa_ = Entrada("  casa  ");
    piso_ = Entrada("piso");
    hogar_ = Sustituto(casa_, "hogar", "general");
  }

  // As the entry editor opens it for a new alternative, or with the alternative to change.
  void Abrir(std::int32_t entrada, std::optional<std::int32_t> sustituto = std::nullopt) {
    ventana.Load();
    ventana.SetIdEntry(entrada);
    if (sustituto) {
      ventana.SetIdSustituto(*sustituto);
      ventana.Cargar();
    }
  }

  // The alternatives of the entry as stored: "text|context".
  S Guardados(std::int32_t entrada) {
    const auto sql =
        "Select Sustituto, Contexto from Sustituto Where Entrada = " + std::to_string(entrada) +
        " Order By IdSustituto";
    const auto textos = Columna(sql, "Sustituto");
    const auto contextos = Columna(sql, "Contexto");
    S filas;
    for (std::size_t i = 0; i < textos.size(); ++i) filas.push_back(textos[i] + "|" + contextos[i]);
    return filas;
  }

  std::int32_t casa_ = 0;
  std::int32_t piso_ = 0;
  std::int32_t hogar_ = 0;
  frmSustituto ventana{servicios};
};

TEST_P(FrmSustitutoTest, RefusesBlankAndRepeatedTextsAndSavesTheTrimmedText) {
  Abrir(casa_);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "casa");
  EXPECT_TRUE(ventana.txtEntrada.GetLocked());
  EXPECT_EQ(ventana.GetIdEntry(), casa_);
  EXPECT_EQ(ventana.GetIdSustituto(), -1);

  for (const auto* blanco : {"", "   "}) {
    ventana.txtSustituto.Escribir(blanco);
    ventana.cmdAceptar.Pulsar();
    EXPECT_EQ(ventana.txtSustituto.GetParent()->GetActiveControl(), &ventana.txtSustituto);
  }
  EXPECT_EQ(Mensajes(), (S{"El texto de la alternativa no puede estar vacío",
                           "El texto de la alternativa no puede estar vacío"}));
  EXPECT_EQ(servicios.mensajes[0].icono, ui::Icono::Exclamacion);
  EXPECT_EQ(servicios.mensajes[0].botones, ui::Botones::Aceptar);
  EXPECT_EQ(servicios.mensajes[0].titulo, "Quillora");
  servicios.mensajes.clear();

  // The dictionary would take these for the alternative it already has.
  for (const auto* repetida : {"hogar", " HOGAR  ", "Hogar"}) {
    ventana.txtSustituto.Escribir(repetida);
    ventana.cmdAceptar.Pulsar();
    EXPECT_EQ(ventana.txtSustituto.GetText(), repetida);
  }
  EXPECT_EQ(Mensajes(), S(3, "Ya existe una alternativa con el mismo texto para la entrada"));
  EXPECT_TRUE(ventana.GetCargado());
  EXPECT_FALSE(ventana.GetBOk());
  EXPECT_EQ(Filas("Sustituto"), 1);
  servicios.mensajes.clear();

  // Accents make another text.
  ventana.txtSustituto.Escribir("  hogár  ");
  ventana.cmdAceptar.Pulsar();
  EXPECT_TRUE(Mensajes().empty());
  EXPECT_TRUE(ventana.GetBOk());
  EXPECT_FALSE(ventana.GetCargado());
  const auto hogar = ventana.GetIdSustituto();
  EXPECT_NE(hogar, -1);
  EXPECT_NE(hogar, hogar_);
  EXPECT_EQ(Valor("Select Sustituto from Sustituto Where IdSustituto = " + std::to_string(hogar)),
            "hogár");
  EXPECT_EQ(Guardados(casa_), (S{"hogar|general", "hogár|<nulo>"}));

  // Brackets are letters of the text, not a pattern.
  Sustituto(casa_, "véase [1]");
  Abrir(casa_);
  EXPECT_FALSE(ventana.GetBOk());  // a window loaded again starts over
  EXPECT_EQ(ventana.GetIdSustituto(), -1);
  EXPECT_EQ(ventana.txtSustituto.GetText(), "");
  ventana.txtSustituto.Escribir(" VÉASE [1]");
  ventana.cmdAceptar.Pulsar();
  EXPECT_EQ(Mensajes(), S{"Ya existe una alternativa con el mismo texto para la entrada"});
  EXPECT_FALSE(ventana.GetBOk());
}

TEST_P(FrmSustitutoTest, QuotesRepeatsInOtherEntriesAndContextsAreStoredAsTyped) {
  // The same text under another entry is another alternative.
  Abrir(piso_);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "piso");
  ventana.txtSustituto.Escribir("hogar");
  ventana.txtContexto.Escribir("   ");
  ventana.cmdAceptar.Pulsar();
  EXPECT_TRUE(ventana.GetBOk());

  // A quote is a letter of the text, in the duplicate test as in the row.
  Abrir(piso_);
  ventana.txtSustituto.Escribir("l'appartement");
  ventana.txtContexto.Escribir("");
  ventana.cmdAceptar.Pulsar();
  EXPECT_TRUE(ventana.GetBOk());
  const auto apartamento = ventana.GetIdSustituto();
  Abrir(piso_);
  ventana.txtSustituto.Escribir(" L'APPARTEMENT ");
  ventana.cmdAceptar.Pulsar();
  EXPECT_FALSE(ventana.GetBOk());
  ventana.txtSustituto.Escribir("x' or '1'='1");
  ventana.cmdAceptar.Pulsar();
  EXPECT_TRUE(ventana.GetBOk());
  EXPECT_EQ(Mensajes(), S{"Ya existe una alternativa con el mismo texto para la entrada"});
  EXPECT_EQ(Guardados(piso_), (S{"hogar|   ", "l'appartement|<nulo>", "x' or '1'='1|<nulo>"}));
  EXPECT_EQ(Guardados(casa_), S{"hogar|general"});

  // Changing an alternative keeps its key and may keep its own text.
  Sql("Update Sustituto Set Sustituto = '  l''appartement ', Contexto = '  en la ciudad ' Where "
      "IdSustituto = " +
      std::to_string(apartamento));
  Abrir(piso_, apartamento);
  EXPECT_EQ(ventana.GetIdSustituto(), apartamento);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "piso");
  EXPECT_EQ(ventana.txtSustituto.GetText(), "l'appartement");
  EXPECT_EQ(ventana.txtContexto.GetText(), "  en la ciudad ");
  ventana.txtContexto.Escribir("");
  ventana.cmdAceptar.Pulsar();
  EXPECT_TRUE(ventana.GetBOk());
  EXPECT_EQ(ventana.GetIdSustituto(), apartamento);
  Abrir(piso_, apartamento);
  ventana.txtSustituto.Escribir("le logement");
  ventana.txtContexto.Escribir("en la ciudad");
  ventana.cmdAceptar.Pulsar();
  EXPECT_TRUE(ventana.GetBOk());
  EXPECT_EQ(Guardados(piso_), (S{"hogar|   ", "le logement|en la ciudad", "x' or '1'='1|<nulo>"}));
  EXPECT_EQ(Mensajes(), S{"Ya existe una alternativa con el mismo texto para la entrada"});
}

TEST_P(FrmSustitutoTest, CancelSavesNothingAndMissingRecordsLeaveTheKeysAtMinusOne) {
  Abrir(casa_, hogar_);
  ventana.txtSustituto.Escribir("vivienda");
  ventana.cmdCancelar.Pulsar();
  EXPECT_FALSE(ventana.GetCargado());
  EXPECT_FALSE(ventana.GetBOk());
  EXPECT_EQ(Guardados(casa_), S{"hogar|general"});

  Abrir(9999);
  EXPECT_EQ(ventana.GetIdEntry(), -1);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "");
  ventana.cmdCancelar.Pulsar();

  // An alternative that is gone leaves the window as it was.
  Abrir(casa_);
  ventana.txtSustituto.Escribir("vivienda");
  ventana.SetIdSustituto(hogar_ + 100);
  ventana.Cargar();
  EXPECT_EQ(ventana.GetIdSustituto(), -1);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "casa");
  EXPECT_EQ(ventana.txtSustituto.GetText(), "vivienda");
  ventana.cmdAceptar.Pulsar();
  EXPECT_TRUE(ventana.GetBOk());
  EXPECT_EQ(Guardados(casa_), (S{"hogar|general", "vivienda|<nulo>"}));
  EXPECT_TRUE(Mensajes().empty());
}

INSTANTIATE_TEST_SUITE_P(Motores, FrmSustitutoTest, db::prueba::kMotores, db::prueba::NombreMotor);

}  // namespace
}  // namespace quillora
