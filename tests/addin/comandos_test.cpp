// The commands of the buttons and context entries, and the dictionary reload.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "addin_prueba.h"
#include "common/numero.h"
#include "dictionary/diccionario_muestra.h"
#include "dictionary/entrada.h"
#include "dictionary/entrada_documento.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "editor/frm_entrada.h"
#include "editor/frm_entradas.h"
#include "memory_command_bars.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "memory_window.h"
#include "review/frm_quillora.h"
#include "scan/documentos.h"
#include "word/comment.h"
#include "word/range.h"

namespace quillora {
namespace {

using prueba::PruebaAddin;
using S = std::vector<std::string>;

// The entries of the sample the fixture loads, and the browser's count of them.
std::int32_t Muestra() {
  return static_cast<std::int32_t>(DiccionarioMuestra::Incorporado().entradas.size());
}

std::string Elementos(std::int32_t numero) {
  return comun::FormatoMiles(numero, ".") + " elementos";
}

class ComandosTest : public PruebaAddin {
 protected:
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> textos;
    for (const auto& mensaje : servicios_.mensajes) textos.push_back(mensaje.texto);
    return textos;
  }
};

TEST_F(ComandosTest, ShowHideAndReviewNeedADocument) {
  Arrancar();
  Pulsar(2);
  Pulsar(3);
  Pulsar(1);  // the processing window says it itself
  EXPECT_EQ(Mensajes(), S(3, "No hay ningún documento activo"));
  for (const auto& mensaje : servicios_.mensajes) {
    EXPECT_EQ(mensaje.icono, ui::Icono::Informacion);
    EXPECT_EQ(mensaje.titulo, "Quillora");
  }
}

TEST_F(ComandosTest, HidingWithPerReviewerViewsKeepsTheMarks) {
  Arrancar();
  const auto documento = word_->OpenDocument({"Los niños y los alumnos."});
  Pulsar(1);
  ASSERT_EQ(Marcas(*documento), (S{"Los niños", "los alumnos"}));
  Pulsar(3);
  EXPECT_FALSE(documento->Window()->View()->ReviewerVisible("Quillora"));
  EXPECT_EQ(Marcas(*documento).size(), 2u);
  Pulsar(2);
  EXPECT_TRUE(documento->Window()->View()->ReviewerVisible("Quillora"));
  EXPECT_EQ(Marcas(*documento), (S{"Los niños", "los alumnos"}));
}

TEST_F(ComandosTest, HidingWithoutPerReviewerViewsDeletesOnlyTheMarks) {
  auto opciones = WordCompleto();
  opciones.perReviewerViews = false;
  Arrancar(opciones);
  const auto documento = word_->OpenDocument({"Los niños y los alumnos."});
  Pulsar(1);
  documento->GetComments()->Add(*documento->Range(0, 3), "de Ana");
  Pulsar(3);
  EXPECT_TRUE(Marcas(*documento).empty());
  ASSERT_EQ(documento->CommentList().size(), 1u);
  EXPECT_EQ(documento->CommentList()[0]->Text(), "de Ana");
  EXPECT_TRUE(servicios_.mensajes.empty());
}

TEST_F(ComandosTest, ReviewOpensTheRememberedMarkOrTheOneHoldingTheSelection) {
  Arrancar();
  const auto documento = word_->OpenDocument({"Los niños juegan con los alumnos."});
  Pulsar(1);
  ASSERT_EQ(Marcas(*documento).size(), 2u);
  // Each review shows the term it opened on, then the user closes it.
  S revisados;
  servicios_.alMostrar = [&](ui::Formulario& ventana) {
    auto& dialogo = dynamic_cast<frmQuillora&>(ventana);
    revisados.push_back(dialogo.rtbTermino.GetTextRTF());
    dialogo.cmdCerrar.Pulsar();
  };
  const auto revisar = [&] { word_->CommandBars()->Pulsar(Entrada("Comment")); };
  const auto termino = [](const std::string& rtf, const std::string& texto) {
    return rtf.find("\\b " + texto + "\\b0") != std::string::npos;
  };

  word_->RightClick(documento, 5, 5);  // the cursor inside the first mark
  revisar();
  documento->Window()->Selection()->Select(0, 30);  // elsewhere: the remembered mark still counts
  revisar();
  word_->RightClick(documento, 12, 12);  // plain text: entries hidden, no remembered mark
  documento->Window()->Selection()->Select(24, 30);  // inside the second mark, no right click
  Entrada("Comment")->SetVisible(true);
  revisar();
  ASSERT_EQ(revisados.size(), 3u);
  EXPECT_TRUE(termino(revisados[0], "Los ni\\'f1os") && termino(revisados[1], "Los ni\\'f1os"));
  EXPECT_TRUE(termino(revisados[2], "los alumnos"));
  EXPECT_TRUE(servicios_.mensajes.empty());

  documento->Window()->Selection()->Select(6, 14);  // starts inside a mark and ends after it
  revisar();
  EXPECT_EQ(Mensajes(), S{"Seleccione un concepto marcado por 'Quillora'"});
  // The dialog stays out of the top-most band of windows.
  const auto& posiciones = servicios_.ventanas.LlamadasPosicion();
  EXPECT_TRUE(std::ranges::any_of(posiciones, [](const auto& llamada) {
    return llamada.insertarDespues == ui::kHwndNoTopMost && llamada.flags == 3;
  }));
}

TEST_F(ComandosTest, ManagingTheDictionaryReloadsItAndForgetsTheSkips) {
  Arrancar();
  const auto primero = word_->OpenDocument({"Los niños."});
  const auto segundo = word_->OpenDocument({"Los chavales. Los niños."});
  const auto anterior = connect_.GetGestion();
  const auto clave = connect_.GetDocumentosCargados()->IdDocumentoStr(primero);
  anterior->GetEntradas()
      ->ItemByText("los niños")
      ->GetDocumentos()
      ->ItemByText(clave)
      ->SetOmitir(true);
  word_->Activate(primero);
  Pulsar(1);
  EXPECT_EQ(Marcas(*primero), S{"niños"});  // "los niños" skipped: the shorter entry

  // In the browser, a new entry through the entry editor; then the browser closes.
  servicios_.alMostrar = [&](ui::Formulario& ventana) {
    if (auto* editor = dynamic_cast<frmEntrada*>(&ventana)) {
      editor->txtEntrada.Escribir("los chavales");
      return editor->cmdAceptar.Pulsar();
    }
    auto& navegador = dynamic_cast<frmEntradas&>(ventana);
    EXPECT_EQ(navegador.lbNumeroEntradas.GetCaption(), Elementos(Muestra()));
    navegador.mnuFileAddEntry.Pulsar();
    navegador.TMenu.Disparar();
    navegador.mnuFileExit.Pulsar();
  };
  Pulsar(5);
  EXPECT_NE(connect_.GetGestion(), anterior);
  EXPECT_EQ(connect_.GetGestion()->GetEntradas()->Count(), Muestra() + 1);
  EXPECT_EQ(word_->Cursor(), word::Cursor::Normal);
  for (const auto& documento : {primero, segundo}) {
    const auto id = connect_.GetDocumentosCargados()->IdDocumentoStr(documento);
    const auto registro = connect_.GetGestion()
                              ->GetEntradas()
                              ->ItemByText("los niños")
                              ->GetDocumentos()
                              ->ItemByText(id);
    ASSERT_TRUE(registro);
    EXPECT_FALSE(registro->GetOmitir());
  }
  word_->Activate(segundo);
  Pulsar(1);
  EXPECT_EQ(Marcas(*segundo), (S{"Los chavales", "Los niños"}));
  word_->Activate(primero);
  Pulsar(1);
  EXPECT_EQ(Marcas(*primero), S{"Los niños"});
  EXPECT_TRUE(servicios_.mensajes.empty());
  // Closing a document takes its records from the dictionary loaded last.
  const auto idPrimero = connect_.GetDocumentosCargados()->IdDocumentoStr(primero);
  ASSERT_TRUE(word_->CloseDocument(primero));
  EXPECT_EQ(connect_.GetGestion()
                ->GetEntradas()
                ->ItemByText("los niños")
                ->GetDocumentos()
                ->ItemByText(idPrimero),
            nullptr);
  // The browser stayed out of the top-most band of windows.
  EXPECT_TRUE(std::ranges::any_of(servicios_.ventanas.LlamadasPosicion(), [&](const auto& llamada) {
    return llamada.hwnd != 0 && llamada.insertarDespues == ui::kHwndNoTopMost && llamada.flags == 3;
  }));
}

TEST_F(ComandosTest, AnUnreachableDatabaseAtReloadLeavesAnEmptyDictionary) {
  Arrancar();
  const auto documento = word_->OpenDocument({"Los niños."});
  const auto& cadena = bd_.GetCadenaConexion();
  const auto inicio = cadena.find("Database=") + 9;
  // The database goes while the browser is open.
  servicios_.alMostrar = [&](ui::Formulario& ventana) {
    EXPECT_EQ(dynamic_cast<frmEntradas&>(ventana).lbNumeroEntradas.GetCaption(),
              Elementos(Muestra()));
    std::filesystem::remove(cadena.substr(inicio, cadena.find(';', inicio) - inicio));
    ventana.Unload(ui::ModoCierre::Usuario);
  };
  Pulsar(5);
  EXPECT_EQ(Mensajes(), S{"No se ha podido acceder a la base de datos"});
  EXPECT_EQ(connect_.GetGestion()->GetEntradas()->Count(), 0);
  Pulsar(1);
  EXPECT_TRUE(Marcas(*documento).empty());
}

}  // namespace
}  // namespace quillora
