#include "sumidero_aplicacion.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "memory_document.h"
#include "prueba_com.h"
#include "word/application_events.h"
#include "word/document.h"
#include "word/range.h"
#include "word/window.h"

namespace quillora::com {
namespace {

using ComEventosTest = PruebaCom;
using V = std::vector<std::string>;

// Writes down every event with what it received; can cancel, and can fail.
class Registro final : public word::ApplicationEvents {
 public:
  void DocumentOpen(const std::shared_ptr<word::Document>& doc) override { Anotar("open", doc); }
  void NewDocument(const std::shared_ptr<word::Document>& doc) override { Anotar("new", doc); }
  void DocumentBeforeClose(const std::shared_ptr<word::Document>& doc, bool& cancel) override {
    Anotar(cancel ? "close(cancelado)" : "close", doc);
    if (cancelar) cancel = *cancelar;
  }
  void WindowActivate(const std::shared_ptr<word::Document>& doc,
                      const std::shared_ptr<word::Window>& wn) override {
    Anotar("activate", doc);
    ventana = wn;
  }
  void WindowBeforeRightClick(const std::shared_ptr<word::Selection>& sel, bool& cancel) override {
    eventos.push_back("right-click:" + std::to_string(sel->GetStart()) + "-" +
                      std::to_string(sel->GetEnd()));
    seleccion = sel;
    if (cancelar) cancel = *cancelar;
  }
  void Quit() override {
    eventos.push_back("quit");
    if (fallar) throw std::runtime_error("El controlador de Quit ha fallado");
  }

  V eventos;
  std::shared_ptr<word::Document> documento;
  std::shared_ptr<word::Window> ventana;
  std::shared_ptr<word::Selection> seleccion;
  // What the handlers set Cancel to; left alone when none.
  std::optional<bool> cancelar;
  bool fallar = false;

 private:
  void Anotar(const std::string& evento, const std::shared_ptr<word::Document>& doc) {
    eventos.push_back(evento + ":" + doc->Range()->GetText());
    documento = doc;
  }
};

TEST_F(ComEventosTest, DocumentEventsArriveWithWordsObjects) {
  const auto registro = std::make_shared<Registro>();
  app_->Advise(registro);
  EXPECT_EQ(word_.SumiderosEventos(), 1);

  const auto uno = word_.AbrirDocumento({"uno"});
  EXPECT_EQ(registro->eventos, (V{"open:uno\r", "activate:uno\r"}));
  // The document of an event is the wrapper the application gives for it.
  EXPECT_EQ(registro->documento, app_->GetActiveDocument());
  EXPECT_EQ(registro->ventana, app_->GetActiveWindow());

  registro->eventos.clear();
  const auto dos = word_.NuevoDocumento({"dos"});
  word_.Activar(uno);
  EXPECT_EQ(registro->eventos, (V{"new:dos\r", "activate:dos\r", "activate:uno\r"}));
}

TEST_F(ComEventosTest, CancelGoesBackToWord) {
  const auto registro = std::make_shared<Registro>();
  app_->Advise(registro);
  const auto uno = word_.AbrirDocumento({"Los niños"});
  registro->eventos.clear();

  registro->cancelar = true;
  EXPECT_FALSE(word_.CerrarDocumento(uno));
  EXPECT_TRUE(word_.ClicDerecho(uno, 4, 9));
  EXPECT_EQ(registro->seleccion, app_->GetActiveWindow()->GetSelection());
  registro->cancelar = false;
  EXPECT_FALSE(word_.ClicDerecho(uno, 0, 3));
  EXPECT_TRUE(word_.CerrarDocumento(uno));
  EXPECT_EQ(registro->eventos,
            (V{"close:Los niños\r", "right-click:4-9", "right-click:0-3", "close:Los niños\r"}));
}

TEST_F(ComEventosTest, EachSinkSeesTheCancelOfThoseBefore) {
  const auto primero = std::make_shared<Registro>();
  const auto segundo = std::make_shared<Registro>();
  app_->Advise(primero);
  app_->Advise(segundo);
  const auto uno = word_.AbrirDocumento({"uno"});
  primero->cancelar = true;
  EXPECT_FALSE(word_.CerrarDocumento(uno));
  EXPECT_EQ(segundo->eventos.back(), "close(cancelado):uno\r");
  // The last sink has the last word.
  segundo->cancelar = false;
  EXPECT_TRUE(word_.CerrarDocumento(uno));
}

TEST_F(ComEventosTest, UnadviseAndTheApplicationsEndDisconnect) {
  const auto registro = std::make_shared<Registro>();
  const auto otro = std::make_shared<Registro>();
  app_->Advise(registro);
  app_->Advise(otro);
  app_->Unadvise(registro);
  app_->Unadvise(registro);
  EXPECT_EQ(word_.SumiderosEventos(), 1);
  // The sink let go of the receiver: only the test holds it.
  EXPECT_EQ(registro.use_count(), 1);
  word_.Salir();
  EXPECT_TRUE(registro->eventos.empty());
  EXPECT_EQ(otro->eventos, (V{"quit"}));

  app_.reset();
  EXPECT_EQ(word_.SumiderosEventos(), 0);
  EXPECT_EQ(otro.use_count(), 1);
  word_.Salir();
  EXPECT_EQ(otro->eventos, (V{"quit"}));
}

TEST_F(ComEventosTest, AFailingHandlerAnswersWordWithItsMessage) {
  const auto registro = std::make_shared<Registro>();
  app_->Advise(registro);
  registro->fallar = true;
  word_.Salir();
  EXPECT_EQ(word_.UltimoResultadoEvento(), DISP_E_EXCEPTION);
  EXPECT_EQ(word_.UltimaDescripcionEvento(), "El controlador de Quit ha fallado");
  registro->fallar = false;
  word_.Salir();
  EXPECT_EQ(word_.UltimoResultadoEvento(), S_OK);
}

}  // namespace
}  // namespace quillora::com
