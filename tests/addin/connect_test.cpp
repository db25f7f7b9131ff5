// The add-in's life in Word: connection, start-up, documents, screen tips, right clicks,
// shut-down and disconnection.
#include "addin/connect.h"

#include <gtest/gtest.h>

#include "addin_prueba.h"
#include "dictionary/diccionario_muestra.h"
#include "dictionary/entrada.h"
#include "dictionary/entrada_documento.h"
#include "dictionary/entradas.h"
#include "dictionary/entradas_documentos.h"
#include "dictionary/gestion_bd.h"
#include "memory_command_bars.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "scan/documentos.h"
#include "word/application_events.h"
#include "word/command_bars.h"
#include "word/comment.h"
#include "word/host_error.h"
#include "word/range.h"

namespace quillora {
namespace {

using prueba::PruebaAddin;
using V = std::vector<bool>;

class ConnectTest : public PruebaAddin {};

TEST_F(ConnectTest, StartsWithNoDocumentAndRegistersTheFirstOneWordOpens) {
  word_ = std::make_shared<memory::MemoryApplication>(WordCompleto());
  connect_.OnConnection(word_, ext_ConnectMode::ext_cm_Startup, nullptr, {});
  // Connected only: no dictionary, no bar, no events yet.
  EXPECT_FALSE(connect_.GetGestion());
  EXPECT_THROW(word_->GetCommandBars()->Item("Quillora"), word::HostError);
  connect_.OnStartupComplete({});

  EXPECT_EQ(connect_.GetGestion()->GetEntradas()->Count(),
            static_cast<std::int32_t>(DiccionarioMuestra::Incorporado().entradas.size()));
  EXPECT_EQ(word_->Cursor(), word::Cursor::Normal);
  EXPECT_NO_THROW(word_->GetCommandBars()->Item("Quillora"));
  EXPECT_EQ(connect_.GetDocumentosCargados()->Count(), 0);
  EXPECT_FALSE(connect_.GetDocumentoActual());
  EXPECT_TRUE(servicios_.mensajes.empty());

  const auto documento = word_->NewDocument({"Los niños juegan."});
  EXPECT_TRUE(connect_.GetDocumentosCargados()->Contains(documento));
  EXPECT_EQ(connect_.GetDocumentoActual(), documento);
  // The new document has a record, not skipped, in every entry.
  const auto clave = connect_.GetDocumentosCargados()->IdDocumentoStr(documento);
  const auto entrada = connect_.GetGestion()->GetEntradas()->ItemByText("los niños");
  ASSERT_TRUE(entrada->GetDocumentos()->ItemByText(clave));
  EXPECT_FALSE(entrada->GetDocumentos()->ItemByText(clave)->GetOmitir());
}

TEST_F(ConnectTest, SwitchedOnWhileWordRunsStartsAtOnce) {
  word_ = std::make_shared<memory::MemoryApplication>(WordCompleto());
  const auto documento = word_->OpenDocument({"Los alumnos llegan."});
  connect_.OnConnection(word_, ext_ConnectMode::ext_cm_AfterStartup, nullptr, {});
  EXPECT_NO_THROW(word_->GetCommandBars()->Item("Quillora"));
  EXPECT_EQ(connect_.GetDocumentoActual(), documento);
  EXPECT_TRUE(connect_.GetDocumentosCargados()->Contains(documento));
  EXPECT_TRUE(word_->GetDisplayScreenTips());
}

TEST_F(ConnectTest, AFailedStartUpReachesWordButNotTheConnection) {
  // A context menu of Word already called "Quillora" cannot be deleted, so the bar cannot be built.
  auto opciones = WordCompleto();
  opciones.builtInBars.push_back("Quillora");
  word_ = std::make_shared<memory::MemoryApplication>(opciones);
  connect_.OnConnection(word_, ext_ConnectMode::ext_cm_Startup, nullptr, {});
  EXPECT_THROW(connect_.OnStartupComplete({}), word::HostError);
  EXPECT_FALSE(word_->GetDisplayScreenTips());  // the steps after the bar did not run

  Connect otro(servicios_, {registro_, shell_, procesos_});
  EXPECT_NO_THROW(otro.OnConnection(word_, ext_ConnectMode::ext_cm_AfterStartup, nullptr, {}));
}

TEST_F(ConnectTest, ScreenTipsAreSwitchedOnAndBackOffOnlyWhenTheAddInChangedThem) {
  word_ = std::make_shared<memory::MemoryApplication>(WordCompleto());
  Arrancar();
  EXPECT_TRUE(word_->GetDisplayScreenTips());
  const auto primero = word_->OpenDocument({"uno"});
  word_->SetDisplayScreenTips(false);  // the user switches them off again
  const auto segundo = word_->OpenDocument({"dos"});
  EXPECT_FALSE(word_->GetDisplayScreenTips());  // already changed once: not touched again
  word_->CloseDocument(primero);
  word_->CloseDocument(segundo);  // the last document: the saved value, off, comes back
  EXPECT_FALSE(word_->GetDisplayScreenTips());
  word_->OpenDocument({"tres"});
  EXPECT_TRUE(word_->GetDisplayScreenTips());

  // Already on at start-up: left alone, also when the last document closes.
  auto otro = std::make_shared<memory::MemoryApplication>(WordCompleto());
  otro->SetDisplayScreenTips(true);
  Connect encendido(servicios_, {registro_, shell_, procesos_});
  encendido.OnConnection(otro, ext_ConnectMode::ext_cm_AfterStartup, nullptr, {});
  const auto documento = otro->OpenDocument({"x"});
  otro->SetDisplayScreenTips(false);
  otro->CloseDocument(documento);
  EXPECT_FALSE(otro->GetDisplayScreenTips());
  encendido.OnDisconnection(ext_DisconnectMode::ext_dm_HostShutdown, {});
}

TEST_F(ConnectTest, ClosingADocumentRemovesItsMarksOnlyAndForgetsIt) {
  Arrancar();
  const auto primero = word_->OpenDocument({"Los niños juegan con los alumnos."});
  const auto segundo = word_->OpenDocument({"Otro texto."});
  Pulsar(1);  // marks the active, second document: nothing to mark there
  word_->Activate(primero);
  Pulsar(1);
  ASSERT_EQ(Marcas(*primero), (std::vector<std::string>{"Los niños", "los alumnos"}));
  primero->GetComments()->Add(*primero->Range(0, 3), "Revisar");  // a person's comment

  // What the document holds once the add-in has seen it close (this sink runs after the add-in's).
  struct AlCerrar : word::ApplicationEvents {
    void DocumentBeforeClose(const std::shared_ptr<word::Document>& doc, bool&) override {
      const auto comentarios = doc->GetComments();
      for (std::int32_t i = 1; i <= comentarios->Count(); ++i) {
        iniciales.push_back(comentarios->Item(i)->GetInitial());
      }
    }
    std::vector<std::string> iniciales;
  };
  const auto alCerrar = std::make_shared<AlCerrar>();
  word_->Advise(alCerrar);

  const auto clave = connect_.GetDocumentosCargados()->IdDocumentoStr(primero);
  word_->Activate(segundo);
  word_->CloseDocument(primero);  // not the current one
  EXPECT_EQ(connect_.GetDocumentoActual(), segundo);
  EXPECT_FALSE(connect_.GetDocumentosCargados()->Contains(primero));
  EXPECT_FALSE(connect_.GetGestion()
                   ->GetEntradas()
                   ->ItemByText("los niños")
                   ->GetDocumentos()
                   ->ItemByText(clave));
  EXPECT_EQ(alCerrar->iniciales, std::vector<std::string>{"U"});

  word_->CloseDocument(segundo);
  EXPECT_FALSE(connect_.GetDocumentoActual());
  EXPECT_EQ(connect_.GetDocumentosCargados()->Count(), 0);
}

TEST_F(ConnectTest, ARightClickShowsTheEntriesOnlyOverAMark) {
  Arrancar();
  const auto documento = word_->OpenDocument({"Los niños juegan. Nota: ver acta."});
  Pulsar(1);
  ASSERT_EQ(Marcas(*documento), (std::vector<std::string>{"Los niños"}));
  documento->GetComments()->Add(*documento->Range(18, 22), "de Ana");  // "Nota"
  const V todas(7, true);
  const V ninguna(7, false);

  word_->RightClick(documento, 5, 5);  // inside the mark
  EXPECT_EQ(EntradasVisibles(), todas);
  EXPECT_TRUE(connect_.GetMarcaRecordada());
  word_->RightClick(documento, 19, 19);  // on a person's comment
  EXPECT_EQ(EntradasVisibles(), ninguna);
  EXPECT_FALSE(connect_.GetMarcaRecordada());
  word_->RightClick(documento, 25, 27);  // plain text
  EXPECT_EQ(EntradasVisibles(), ninguna);
  word_->RightClick(documento, 2, 12);        // reaching past the end of the mark
  EXPECT_TRUE(connect_.GetMarcaRecordada());  // the selection's first comment is the mark
  EXPECT_EQ(EntradasVisibles(), todas);

  // An active document Word cannot give is no document: nothing to review, nothing thrown.
  word_->FailActiveDocument(true);
  EXPECT_NO_THROW(word_->RightClick(documento, 5, 5));
  EXPECT_EQ(EntradasVisibles(), ninguna);
  word_->FailActiveDocument(false);

  // The remembered mark deleted meanwhile: found stale on first use, and the selection decides.
  word_->RightClick(documento, 5, 5);
  documento->GetComments()->Item(1)->Delete();
  word_->CommandBars()->Pulsar(Entrada("Text"));
  EXPECT_FALSE(connect_.GetMarcaRecordada());
  ASSERT_EQ(servicios_.mensajes.size(), 1u);
  EXPECT_EQ(servicios_.mensajes[0].texto, "Seleccione un concepto marcado por 'Quillora'");
}

TEST_F(ConnectTest, ShutDownSavesTheNormalTemplateOnlyWithoutAnotherWord) {
  Arrancar();
  word_->OpenDocument({"Los niños."});
  procesos_.instanciasWord = 2;
  word_->GetNormalTemplate()->SetSaved(false);
  word_->Quit();
  EXPECT_TRUE(word_->NormalTemplateSaved());
  word_->GetNormalTemplate()->SetSaved(false);
  connect_.OnBeginShutdown({});
  EXPECT_TRUE(word_->NormalTemplateSaved());
  EXPECT_EQ(word_->NormalTemplateSaves(), 0);  // the other Word's changes are kept
  EXPECT_THROW(word_->GetCommandBars()->Item("Quillora"), word::HostError);
  EXPECT_FALSE(Entrada("Comment"));

  procesos_.instanciasWord = 1;
  connect_.OnDisconnection(ext_DisconnectMode::ext_dm_HostShutdown, {});
  EXPECT_EQ(word_->NormalTemplateSaves(), 1);
  EXPECT_FALSE(connect_.GetGestion());
  EXPECT_FALSE(connect_.GetDocumentosCargados());
  EXPECT_FALSE(connect_.GetDocumentoActual());
  // Disconnected: Word's events no longer reach the add-in.
  EXPECT_NO_THROW(word_->OpenDocument({"otro"}));

  // Connected again, it starts over.
  Arrancar();
  EXPECT_EQ(connect_.GetDocumentosCargados()->Count(), 1);
}

}  // namespace
}  // namespace quillora
