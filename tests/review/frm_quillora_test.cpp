// The review dialog over the in-memory Word and a dictionary made for the test.
#include "review/frm_quillora.h"

#include <gtest/gtest.h>

#include "common/rtf.h"
#include "dictionary/determinantes.h"
#include "dictionary/entrada.h"
#include "dictionary/entrada_documento.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "dictionary/morfologia.h"
#include "dictionary/morfologias.h"
#include "dictionary/sexismo.h"
#include "dictionary/sexismos.h"
#include "dictionary/sustituto.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "scan/documentos.h"
#include "servicios_guionizados.h"
#include "ui/ventanas_memoria.h"
#include "word/comment.h"
#include "word/range.h"

namespace quillora {
namespace {

using S = std::vector<std::string>;

class FrmQuilloraTest : public ::testing::Test {
 protected:
  FrmQuilloraTest() {
    for (const auto* determinante : {"el", "la", "los", "las", "al", "del", "todo", "un"}) {
      gestion_->GetDeterminantes()->Add(determinante);
    }
    auto sustantivo = gestion_->GetMorfologias()->Add("Sustantivo");
    sustantivo->SetDescripcion("Nombre común en masculino genérico.");
    auto androcentrismo = gestion_->GetSexismos()->Add("Androcentrismo");
    androcentrismo->SetDescripcion("El varón como medida de lo humano.");
    Entrada("hombre", {"la persona", "ser humano", "el ser humano"}, "Palabra genérica.");
    gestion_->GetEntradas()->ItemByText("hombre")->SetMorfologia(sustantivo);
    gestion_->GetEntradas()->ItemByText("hombre")->SetSexismo(androcentrismo);
    Entrada("el hombre", {"la humanidad", "el ser humano"}, "");
    Entrada("director", {"la dirección"},
            "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\viewkind4\\uc1"
            "\\pard\\b\\f0\\fs20 Cargos\\par}");
    Entrada("jefe", {}, "");
  }

  void Entrada(const std::string& texto, const S& sustitutos, const std::string& etimologia) {
    auto entrada = gestion_->GetEntradas()->Add(texto);
    entrada->SetEtimologia(etimologia);
    std::int32_t id = 100;
    for (const auto& sustituto : sustitutos) {
      auto nuevo = entrada->GetSustitutos()->Add(sustituto);
      nuevo->SetContexto("Contexto de " + sustituto);
      nuevo->SetId(++id);
    }
  }

  // A document of one paragraph with a mark over each stretch [inicio, fin).
  std::shared_ptr<memory::MemoryDocument> Documento(
      const std::string& texto, const std::vector<std::pair<int, int>>& marcas) {
    auto documento = memory::MemoryDocument::Create({texto});
    for (const auto& [inicio, fin] : marcas) {
      auto marca = documento->GetComments()->Add(*documento->Range(inicio, fin), "alternativas");
      marca->SetInitial("QKV");
      marca->SetAuthor("Quillora");
    }
    documentos_->Add(documento);
    gestion_->CargarDocumento(documentos_->IdDocumentoStr(documento));
    return documento;
  }

  // Opens the review of the document's n-th comment (from 1), as the review command does.
  void Revisar(const std::shared_ptr<memory::MemoryDocument>& documento, int n = 1) {
    dialogo_.Load();
    dialogo_.SetGestion(gestion_);
    dialogo_.SetDocumentosCargados(documentos_);
    dialogo_.SetSelectedComment(documento->GetComments()->Item(n));
    dialogo_.Cargar();
  }

  void Elegir(std::size_t fila) { dialogo_.lvSugerencias.ListItems().at(fila).Selected = true; }

  static std::string Texto(const memory::MemoryDocument& documento) {
    auto texto = documento.MainText();
    texto.pop_back();  // the paragraph mark
    return texto;
  }

  static std::string Plano(const ui::TextoEnriquecido& caja) {
    if (caja.GetTextRTF().empty()) return "";
    return rtf::TextoDeDocumento(caja.GetTextRTF()).value_or("<no es RTF>");
  }

  std::shared_ptr<GestionBD> gestion_ = std::make_shared<GestionBD>();
  std::shared_ptr<Documentos> documentos_ =
      std::make_shared<Documentos>([this] { return gestion_; });
  prueba::ServiciosGuionizados servicios_;
  frmQuillora dialogo_{servicios_};
};

TEST_F(FrmQuilloraTest, ReplacesWithTheDeterminerAndCapitalTheSentenceNeeds) {
  struct Caso {
    std::string texto;
    std::pair<int, int> marca;
    std::size_t alternativa;  // row of "hombre": la persona, ser humano, el ser humano
    std::string resultado;
  };
  const std::vector<Caso> casos = {
      {"Dijo que el hombre vino.", {12, 18}, 0, "Dijo que la persona vino."},
      {"El hombre vino.", {3, 9}, 0, "La persona vino."},
      {"El hombre vino.", {3, 9}, 1, "El ser humano vino."},
      {"Todo Hombre vino.", {5, 11}, 1, "Todo Ser humano vino."},
      {"Dijo que hombre vino.", {9, 15}, 0, "Dijo que persona vino."},
      {"Dijo que hombre vino.", {9, 15}, 1, "Dijo que ser humano vino."},
      {"Hombre y mujer.", {0, 6}, 1, "Ser humano y mujer."},
      {"Hombre y mujer.", {0, 6}, 0, "Persona y mujer."},
      {"Habla del hombre hoy.", {10, 16}, 0, "Habla de la persona hoy."},
      {"Habla del hombre hoy.", {10, 16}, 2, "Habla del ser humano hoy."},
      {"Del hombre se dice.", {4, 10}, 0, "De la persona se dice."},
      {"Mira al hombre ya.", {8, 14}, 2, "Mira al ser humano ya."},
      {"EL HOMBRE vino.", {3, 9}, 0, "La persona vino."},
      {"Dijo que hombre vino.", {9, 16}, 1, "Dijo que ser humano vino."},  // scope with its blank
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.texto + " → " + caso.resultado);
    const auto documento = Documento(caso.texto, {caso.marca});
    Revisar(documento);
    Elegir(caso.alternativa);
    dialogo_.cmdCambiar.Pulsar();
    EXPECT_EQ(Texto(*documento), caso.resultado);
    EXPECT_TRUE(documento->CommentList().empty());
    EXPECT_FALSE(dialogo_.GetCargado());
  }

  // An entry that begins with a determiner is replaced whole, with the term's capital.
  const auto documento = Documento("El hombre vino; dijo que el hombre.", {{0, 9}, {25, 34}});
  Revisar(documento);
  Elegir(0);
  dialogo_.cmdCambiarTodas.Pulsar();
  EXPECT_EQ(Texto(*documento), "La humanidad vino; dijo que la humanidad.");
}

TEST_F(FrmQuilloraTest, ShowsTheTermInItsParagraphTheClassesAndTheAlternatives) {
  const std::string largo(60, 'x');
  const auto documento =
      memory::MemoryDocument::Create({"Primero.", "Un hombre " + largo, largo + " jefe"});
  for (const auto& [inicio, fin] : std::vector<std::pair<int, int>>{{12, 18}, {141, 145}}) {
    auto marca = documento->GetComments()->Add(*documento->Range(inicio, fin), "x");
    marca->SetInitial("QKV");
  }
  Revisar(documento);
  EXPECT_EQ(Plano(dialogo_.rtbTermino), "Un hombre " + largo.substr(0, 48));
  EXPECT_NE(dialogo_.rtbTermino.GetTextRTF().find("\\cf1 \\b hombre\\b0 \\cf0 "),
            std::string::npos);
  EXPECT_EQ(Plano(dialogo_.rtfMorfologia), "Sustantivo: Nombre común en masculino genérico.");
  EXPECT_EQ(Plano(dialogo_.rtfSexismo), "Androcentrismo: El varón como medida de lo humano.");
  EXPECT_EQ(Plano(dialogo_.RTBEtimologia),
            "Clasificación sexista: Androcentrismo\nClasificación morfológica: Sustantivo\n"
            "Palabra genérica.");
  ASSERT_EQ(dialogo_.lvSugerencias.ListItems().size(), 3u);
  EXPECT_EQ(dialogo_.lvSugerencias.ListItems()[1].Text, "ser humano");
  EXPECT_EQ(dialogo_.lvSugerencias.ListItems()[1].SubItems, S{"Contexto de ser humano"});
  EXPECT_EQ(dialogo_.lvSugerencias.ListItems()[1].Tag, "102");
  dialogo_.cmdMas.Pulsar();
  EXPECT_EQ(dialogo_.GetHeight(), frmQuillora::kAltoAmpliado);
  EXPECT_EQ(dialogo_.cmdMas.GetCaption(), "Menos");
  dialogo_.cmdMas.Pulsar();
  EXPECT_EQ(dialogo_.GetHeight(), frmQuillora::kAltoNormal);
  EXPECT_EQ(dialogo_.cmdMas.GetCaption(), "Más");
  dialogo_.cmdCerrar.Pulsar();
  EXPECT_EQ(documento->CommentList().size(), 2u);

  // At the end of a long paragraph: 49 characters before, after it only the paragraph's end; no
  // classes, no alternatives, and the boxes of the earlier review are empty.
  Revisar(documento, 2);
  EXPECT_EQ(Plano(dialogo_.rtbTermino), largo.substr(0, 48) + " jefe\n");
  EXPECT_EQ(Plano(dialogo_.rtfMorfologia), "");
  EXPECT_EQ(Plano(dialogo_.RTBEtimologia), "");
  dialogo_.cmdCambiar.Pulsar();
  EXPECT_EQ(servicios_.mensajes.back().texto, "Tiene que seleccionar algún sustituto");
  EXPECT_TRUE(dialogo_.GetCargado());
  dialogo_.cmdOmitir.Pulsar();
  EXPECT_EQ(documento->CommentList().size(), 1u);
  EXPECT_FALSE(dialogo_.GetCargado());

  // A stored explanation keeps its bold but takes the dialog's size.
  const auto otro = Documento("El director.", {{3, 11}});
  Revisar(otro);
  EXPECT_EQ(
      dialogo_.RTBEtimologia.GetTextRTF(),
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\viewkind4\\uc1\\pard\\f0\\fs17\\b Cargos\\par}}");
  const auto ventana = dialogo_.GetHwnd();
  EXPECT_TRUE(servicios_.ventanas.GetWindowLongA(ventana, ui::kGwlExStyle) & ui::kWsExStaticEdge);
}

TEST_F(FrmQuilloraTest, SaysWhatIsMissing) {
  dialogo_.Load();
  dialogo_.Cargar();
  dialogo_.SetSelectedComment(Documento("Un hombre.", {{3, 9}})->GetComments()->Item(1));
  dialogo_.Cargar();
  const auto editado = Documento("Un hambre.", {{3, 9}});
  dialogo_.SetGestion(gestion_);
  dialogo_.SetSelectedComment(editado->GetComments()->Item(1));
  dialogo_.Cargar();
  std::vector<std::string> textos;
  for (const auto& mensaje : servicios_.mensajes) {
    textos.push_back(mensaje.texto);
    EXPECT_EQ(mensaje.icono, ui::Icono::Exclamacion);
  }
  EXPECT_EQ(textos, (S{"No se ha encontrado el texto a sustitutir",
                       "No se ha obtenido acceso a la base de datos",
                       "No existe ninguna entrada con ese valor en la base de datos"}));
  EXPECT_TRUE(dialogo_.lvSugerencias.ListItems().empty());
  dialogo_.cmdOmitirTodas.Pulsar();
  EXPECT_TRUE(editado->CommentList().empty());
}

TEST_F(FrmQuilloraTest, EverywhereActionsTakeEveryCaseOfTheTermAndSkipsStayWithTheDocument) {
  const auto documento =
      Documento("hombre, Hombre, HOMBRE y el hombre.", {{0, 6}, {8, 14}, {16, 22}, {28, 34}});
  documento->GetComments()->Add(*documento->Range(8, 14), "de Ana");  // a person's comment
  Revisar(documento, 2);
  Elegir(1);
  dialogo_.cmdCambiarTodas.Pulsar();
  EXPECT_EQ(Texto(*documento), "ser humano, Ser humano, Ser humano y el ser humano.");
  ASSERT_EQ(documento->CommentList().size(), 1u);
  EXPECT_EQ(documento->CommentList()[0]->Text(), "de Ana");

  const auto otro = Documento("hombre, Hombre.", {{0, 6}, {8, 14}});
  const auto tercero = Documento("hombre.", {{0, 6}});
  Revisar(otro);
  dialogo_.cmdOmitirTodas.Pulsar();
  EXPECT_TRUE(otro->CommentList().empty());
  EXPECT_EQ(Texto(*otro), "hombre, Hombre.");
  const auto hombre = gestion_->GetEntradas()->ItemByText("hombre");
  EXPECT_TRUE(hombre->GetDocumentos()->ItemByText(documentos_->IdDocumentoStr(otro))->GetOmitir());
  EXPECT_FALSE(
      hombre->GetDocumentos()->ItemByText(documentos_->IdDocumentoStr(tercero))->GetOmitir());
  EXPECT_EQ(tercero->CommentList().size(), 1u);
}

}  // namespace
}  // namespace quillora
