#include "scan/frm_procesar.h"

#include <gtest/gtest.h>

#include "dictionary/entrada.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "dictionary/sustitutos.h"
#include "memory_application.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "scan/documentos.h"
#include "servicios_guionizados.h"
#include "word/comment.h"
#include "word/range.h"

namespace quillora {
namespace {

using memory::MemoryDocument;

class FrmProcesarTest : public ::testing::Test {
 protected:
  void Entrada(const std::string& texto, std::initializer_list<const char*> alternativas = {"x"}) {
    auto entrada = gestion->GetEntradas()->Add(texto);
    for (const auto* alternativa : alternativas) entrada->GetSustitutos()->Add(alternativa);
  }

  std::shared_ptr<MemoryDocument> Abrir(const std::vector<std::string>& parrafos) {
    auto documento = word->OpenDocument(parrafos);
    documentos->Add(documento);
    gestion->CargarDocumento(documentos->IdDocumentoStr(documento));
    return documento;
  }

  void Procesar() {
    frmProcesar ventana(servicios);
    ventana.SetWrd(word);
    ventana.SetGestion(gestion);
    ventana.SetDocumentos(documentos);
    ventana.SetMarcarDesdobles(marcarDesdobles);
    servicios.MostrarModal(ventana);
    ultimoMaximo = ventana.pbQuillora.GetMax();
    ultimoValor = ventana.pbQuillora.GetValue();
  }

  // Each comment as "scope text|author|initials|text".
  static std::vector<std::string> Comentarios(const MemoryDocument& documento) {
    std::vector<std::string> comentarios;
    for (const auto& c : documento.CommentList()) {
      const auto alcance = documento.Range(c->Scope().start, c->Scope().end)->GetText();
      comentarios.push_back(alcance + "|" + c->author + "|" + c->initials + "|" + c->Text());
    }
    return comentarios;
  }

  std::shared_ptr<memory::MemoryApplication> word = std::make_shared<memory::MemoryApplication>();
  std::shared_ptr<GestionBD> gestion = std::make_shared<GestionBD>();
  std::shared_ptr<Documentos> documentos = std::make_shared<Documentos>([this] { return gestion; });
  prueba::ServiciosGuionizados servicios;
  bool marcarDesdobles = false;
  std::int32_t ultimoMaximo = 0;
  std::int32_t ultimoValor = 0;
  frmProcesar* ventanaActual = nullptr;
};

using V = std::vector<std::string>;

TEST_F(FrmProcesarTest, MarksEveryMatchAndReplacesOldMarks) {
  Entrada("hombre", {"  persona ", "ser humano"});
  Entrada("hombre de negocios", {"empresariado"});
  Entrada("trabajadores", {"plantilla"});
  Entrada("sin alternativas", {});
  auto documento = Abrir(
      {"El hombre de la casa y el hombre de negocios.", "Los trabajadores. sin alternativas"});
  // A person's comment with the marks' initials goes as well; other comments stay.
  auto propio = documento->AddComment(0, 2, "nota");
  propio->author = "Ana";
  propio->initials = "QKV";
  auto ajeno = documento->AddComment(0, 2, "otra nota");
  ajeno->author = "Luis";
  ajeno->initials = "LG";

  Procesar();
  const V esperadas = {"El|Luis|LG|otra nota", "hombre|Quillora|QKV|persona\r\nser humano",
                       "hombre de negocios|Quillora|QKV|empresariado",
                       "trabajadores|Quillora|QKV|plantilla", "sin alternativas|Quillora|QKV|"};
  EXPECT_EQ(Comentarios(*documento), esperadas);
  EXPECT_TRUE(servicios.mensajes.empty());
  EXPECT_EQ(ultimoMaximo, documento->Range()->GetWords()->Count());
  EXPECT_LE(ultimoValor, ultimoMaximo);

  Procesar();  // a second run gives the same marks
  EXPECT_EQ(Comentarios(*documento), esperadas);
}

TEST_F(FrmProcesarTest, LeavesDoubletsAndNamedPeopleUnmarkedUnlessAskedTo) {
  Entrada("los niños", {"la infancia"});
  Entrada("padres", {"madres y padres"});
  Entrada("el director", {"la dirección"});
  auto documento = Abrir({"Los niños y las niñas juegan con los niños del barrio.",
                          "Vienen madres y padres, y padres solos.",
                          "El director del colegio, Andrés Gil, se jubila; el director firma."});
  Procesar();
  // The run goes on after a doublet left unmarked as after a mark.
  const V sinPares = {"los niños|Quillora|QKV|la infancia", "padres|Quillora|QKV|madres y padres",
                      "el director|Quillora|QKV|la dirección"};
  EXPECT_EQ(Comentarios(*documento), sinPares);

  marcarDesdobles = true;
  Procesar();
  EXPECT_EQ(Comentarios(*documento).size(), 6u);
}

TEST_F(FrmProcesarTest, JoinsWrittenPairsIntoOneWord) {
  Entrada("niños");
  Entrada("alumnos/as", {"alumnado"});
  Entrada("profesor");
  auto documento =
      Abrir({"Los niños/as y los niños / as, los ALUMNOS/AS y los niños-os.", "niños profesor/es"});
  EXPECT_EQ(documento->Range()->GetWords()->Item(2)->GetText(), "niños");
  Procesar();
  // Only a, o, as and os end a written pair: "profesor/es" is the word and two more.
  EXPECT_EQ(Comentarios(*documento), (V{"niños|Quillora|QKV|x", "ALUMNOS/AS|Quillora|QKV|alumnado",
                                        "niños|Quillora|QKV|x", "profesor|Quillora|QKV|x"}));
  EXPECT_EQ(documento->CommentList()[0]->Scope().start, 19);  // the second *niños*
}

TEST_F(FrmProcesarTest, HonoursSkipsAndBacktracks) {
  Entrada("hombre");
  Entrada("hombre de negocios");
  Entrada("de la casa");
  auto documento = Abrir({"el hombre de la casa"});
  Procesar();
  // After *hombre*, the attempt *hombre de* fails at *la*: *de la casa* is found from *de*.
  EXPECT_EQ(Comentarios(*documento), (V{"hombre|Quillora|QKV|x", "de la casa|Quillora|QKV|x"}));

  gestion->GetEntradas()
      ->ItemByText("hombre")
      ->GetDocumentos()
      ->ItemByText(documentos->IdDocumentoStr(documento))
      ->SetOmitir(true);
  Procesar();
  EXPECT_EQ(Comentarios(*documento), (V{"de la casa|Quillora|QKV|x"}));
}

TEST_F(FrmProcesarTest, ProgressStopsAtItsMaximumAndMessagesWaitEveryTenthWord) {
  // Every attempt fails on its third word and starts again from its second: words are walked
  // more than once, more often than the text has words.
  Entrada("a b c");
  auto documento = Abrir({"a b a b a b a b a b a b a b a b a b a b a b a b a b a b"});
  std::int32_t mayor = 0;
  frmProcesar ventana(servicios);
  servicios.alProcesarMensajes = [&](int) {
    mayor = std::max(mayor, ventana.pbQuillora.GetValue());
  };
  ventana.SetWrd(word);
  ventana.SetGestion(gestion);
  ventana.SetDocumentos(documentos);
  servicios.MostrarModal(ventana);
  const auto palabras = documento->Range()->GetWords()->Count();
  EXPECT_EQ(ventana.pbQuillora.GetMax(), palabras);
  EXPECT_EQ(ventana.pbQuillora.GetValue(), palabras);
  EXPECT_LE(mayor, palabras);
  // Messages run after each word walked except every tenth; more words than the text's are
  // walked here, each failed attempt's second word twice.
  EXPECT_GT(servicios.vecesProcesados, palabras);
  servicios.vecesProcesados = 0;
  servicios.alProcesarMensajes = nullptr;
  auto sencillo = Abrir({"uno dos tres cuatro cinco seis siete ocho nueve diez once doce"});
  word->Activate(sencillo);
  Procesar();
  const auto unidades = sencillo->Range()->GetWords()->Count();
  EXPECT_EQ(servicios.vecesProcesados, unidades - unidades / 10);
}

TEST_F(FrmProcesarTest, StopsWhenCancelledKeepingTheMarksWritten) {
  Entrada("hombre");
  std::vector<std::string> parrafos(50, "un hombre y otro hombre más");
  auto documento = Abrir(parrafos);

  servicios.alProcesarMensajes = [this](int veces) {
    if (veces == 20) ventanaActual->cmdCancelar.Pulsar();
  };
  frmProcesar ventana(servicios);
  ventanaActual = &ventana;
  ventana.SetWrd(word);
  ventana.SetGestion(gestion);
  ventana.SetDocumentos(documentos);
  servicios.MostrarModal(ventana);
  const auto marcas = documento->CommentList().size();
  EXPECT_GT(marcas, 0u);
  EXPECT_LT(marcas, 100u);

  // The close box asks the run to stop too; the window closes when the run has stopped.
  servicios.vecesProcesados = 0;
  servicios.alProcesarMensajes = [this](int veces) {
    if (veces == 30) {
      EXPECT_FALSE(ventanaActual->Unload(ui::ModoCierre::Usuario));
    }
  };
  frmProcesar otra(servicios);
  ventanaActual = &otra;
  otra.SetWrd(word);
  otra.SetGestion(gestion);
  otra.SetDocumentos(documentos);
  servicios.MostrarModal(otra);
  EXPECT_LT(documento->CommentList().size(), 100u);
  EXPECT_FALSE(otra.GetCargado());
}

TEST_F(FrmProcesarTest, WithoutADocumentSaysSoAndTouchesNothing) {
  Entrada("hombre");
  Procesar();
  const std::vector<prueba::ServiciosGuionizados::Mensaje> sinDocumento{
      {"No hay ningún documento activo", ui::Icono::Informacion, ui::Botones::Aceptar, "Quillora"}};
  EXPECT_EQ(servicios.mensajes, sinDocumento);

  // A Word that cannot count its documents: the window closes without a word.
  auto documento = Abrir({"hombre"});
  word->FailDocumentCount(true);
  Procesar();
  EXPECT_EQ(servicios.mensajes, sinDocumento);
  EXPECT_TRUE(documento->CommentList().empty());
}

}  // namespace
}  // namespace quillora
