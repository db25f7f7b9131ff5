// The alternative editor over a real dictionary database, on every engine.
#include "editor/frm_sustituto.h"

#include "editor_prueba.h"

namespace quillora {
namespace {

using prueba::S;

constexpr const char* kVacio = "El texto de la alternativa no puede estar vacío";
constexpr const char* kRepetida = "Ya existe una alternativa con el mismo texto para la entrada";

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
  // Types the alternative (and its context, when given) and presses "Aceptar".
  void Aceptar(const std::string& texto, std::optional<std::string> contexto = std::nullopt) {
    ventana.txtSustituto.Escribir(texto);
    if (contexto) ventana.txtContexto.Escribir(*contexto);
    ventana.cmdAceptar.Pulsar();
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
  for (const auto* blanco : {"", "   "}) {
    Aceptar(blanco);
    EXPECT_EQ(ventana.txtSustituto.GetParent()->GetActiveControl(), &ventana.txtSustituto);
  }
  // The dictionary would take these for the alternative it already has; they stay as typed.
  for (const auto* repetida : {"hogar", " HOGAR  ", "Hogar"}) {
    Aceptar(repetida);
    EXPECT_EQ(ventana.txtSustituto.GetText(), repetida);
  }
  EXPECT_EQ(Mensajes(), (S{kVacio, kVacio, kRepetida, kRepetida, kRepetida}));
  Aspecto(0, ui::Icono::Exclamacion);
  EXPECT_TRUE(ventana.GetCargado());
  EXPECT_FALSE(ventana.GetBOk());
  EXPECT_EQ(Filas("Sustituto"), 1);
  servicios.mensajes.clear();

  // Accents make another text.
  Aceptar("  hogár  ");
  EXPECT_TRUE(Mensajes().empty());
  EXPECT_TRUE(ventana.GetBOk());
  EXPECT_FALSE(ventana.GetCargado());
  EXPECT_EQ(Valor("Select Sustituto from Sustituto Where IdSustituto = " +
                  std::to_string(ventana.GetIdSustituto())),
            "hogár");
  EXPECT_EQ(Guardados(casa_), (S{"hogar|general", "hogár|<nulo>"}));

  // Brackets are letters of the text, not a pattern; a window loaded again starts over.
  Sustituto(casa_, "véase [1]");
  Abrir(casa_);
  EXPECT_FALSE(ventana.GetBOk());
  EXPECT_EQ(ventana.GetIdSustituto(), -1);
  EXPECT_EQ(ventana.txtSustituto.GetText(), "");
  Aceptar(" VÉASE [1]");
  EXPECT_EQ(Mensajes(), S{kRepetida});
  EXPECT_FALSE(ventana.GetBOk());
}

TEST_P(FrmSustitutoTest, QuotesRepeatsInOtherEntriesAndContextsAreStoredAsTyped) {
  // The same text under another entry is another alternative.
  Abrir(piso_);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "piso");
  Aceptar("hogar", "   ");
  EXPECT_TRUE(ventana.GetBOk());

  // A quote is a letter of the text, in the duplicate test as in the row.
  Abrir(piso_);
  Aceptar("l'appartement", "");
  EXPECT_TRUE(ventana.GetBOk());
  const auto apartamento = ventana.GetIdSustituto();
  Abrir(piso_);
  Aceptar(" L'APPARTEMENT ");
  EXPECT_FALSE(ventana.GetBOk());
  Aceptar("x' or '1'='1");
  EXPECT_TRUE(ventana.GetBOk());
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
  Aceptar("le logement", "en la ciudad");
  EXPECT_TRUE(ventana.GetBOk());
  EXPECT_EQ(Guardados(piso_), (S{"hogar|   ", "le logement|en la ciudad", "x' or '1'='1|<nulo>"}));
  EXPECT_EQ(Mensajes(), S{kRepetida});
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
