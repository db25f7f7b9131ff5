// The add-in's COM object driven as Word drives it, over a fake Word made of IDispatch objects:
// connection in both modes, start-up with the dictionary read from the data source "Quillora",
// Word's events, right clicks, buttons, shut-down and disconnection. Message boxes and modal
// windows go to a scripted desktop.
#include "objeto_connect.h"
// After <windows.h>, which the first brought.
#include "quillora_word_idl.h"
//
#include <gtest/gtest.h>
#include <wrl/client.h>

#include <memory>
#include <string>
#include <vector>

#include "memory_application.h"
#include "memory_command_bars.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "memory_window.h"
#include "servicios_guionizados.h"
#include "word/command_bars.h"
#include "word/host_error.h"
#include "word/range.h"
#include "word_falso.h"

namespace {

using Microsoft::WRL::ComPtr;
using quillora::complemento::CrearConnect;
using quillora::memory::MemoryDocument;
using quillora::prueba::ServiciosGuionizados;
using Mensaje = ServiciosGuionizados::Mensaje;
using V = std::vector<bool>;

const std::vector<std::string> kMenus = {"Comment",     "Ink Comment", "Spelling", "Grammar",
                                         "Grammar (2)", "Text",        "Fields"};
constexpr std::int32_t kMenuEmergente = 5;  // msoBarPopup

// Word's objects belong to a single-threaded apartment.
struct Apartamento {
  Apartamento() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~Apartamento() { CoUninitialize(); }
  Apartamento(const Apartamento&) = delete;
  Apartamento& operator=(const Apartamento&) = delete;
};

class CicloVidaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The in-memory Word has three of the seven context menus the add-in adds its entry to.
    for (const auto* menu : {"Ink Comment", "Spelling", "Grammar", "Grammar (2)"}) {
      Barras().Add(menu, kMenuEmergente, false, false);
    }
    objetosAntes_ = word_.ObjetosVivos();
    ASSERT_EQ(CrearConnect(servicios_, IID_PPV_ARGS(&connect_)), S_OK);
  }

  HRESULT Conectar(::ext_ConnectMode modo) {
    return connect_->OnConnection(word_.Aplicacion(), modo, nullptr, nullptr);
  }

  quillora::memory::MemoryCommandBars& Barras() { return *word_.Memoria().CommandBars(); }

  std::shared_ptr<quillora::word::CommandBar> Barra() {
    try {
      return Barras().Item("Quillora");
    } catch (const quillora::word::HostError&) {
      return nullptr;
    }
  }

  // The controls of the bar "Quillora".
  std::int32_t Botones() {
    const auto controles = Barra()->GetControls();
    std::int32_t cuantos = 0;
    try {
      while (controles->Item(cuantos + 1)) ++cuantos;
    } catch (const quillora::word::HostError&) {
      // Past the last one.
    }
    return cuantos;
  }

  // Which of the seven entries "Quillora..." exist, and which are shown.
  std::vector<bool> Entradas(bool soloVisibles) {
    std::vector<bool> entradas;
    for (const auto& menu : kMenus) {
      const auto entrada = Barras().Item(menu)->FindControl("QKV " + menu);
      entradas.push_back(entrada && entrada->GetCaption() == "Quillora..." &&
                         (!soloVisibles || entrada->GetVisible()));
    }
    return entradas;
  }

  // The texts the marks cover, in document order.
  static std::vector<std::string> Marcas(const MemoryDocument& documento) {
    std::vector<std::string> marcas;
    for (const auto& comentario : documento.CommentList()) {
      if (comentario->initials != "QKV") continue;
      EXPECT_EQ(comentario->author, "Quillora");
      marcas.push_back(
          documento.Range(comentario->Scope().start, comentario->Scope().end)->GetText());
    }
    return marcas;
  }

  static bool QuilloraVisible(const MemoryDocument& documento) {
    return documento.Window()->View()->ReviewerVisible("Quillora");
  }

  Apartamento apartamento_;
  quillora::word_falso::WordFalso word_;
  std::shared_ptr<ServiciosGuionizados> servicios_ = std::make_shared<ServiciosGuionizados>();
  ComPtr<IDTExtensibility2> connect_;
  std::int32_t objetosAntes_ = 0;
};

TEST_F(CicloVidaTest, AlArrancarWordLaVidaEnteraPasaPorCom) {
  ASSERT_EQ(Conectar(ext_cm_Startup), S_OK);
  // Word will announce the end of its start-up: nothing is built yet.
  EXPECT_FALSE(Barra());
  EXPECT_EQ(word_.SumiderosEventos(), 0);

  ASSERT_EQ(connect_->OnStartupComplete(nullptr), S_OK);
  ASSERT_TRUE(Barra());
  EXPECT_EQ(Botones(), 6);
  EXPECT_EQ(Entradas(false), V(7, true));
  EXPECT_EQ(word_.SumiderosEventos(), 1);
  EXPECT_TRUE(word_.Memoria().GetDisplayScreenTips());
  EXPECT_EQ(word_.Memoria().Cursor(), quillora::word::Cursor::Normal);
  EXPECT_TRUE(servicios_->mensajes.empty());

  // Word's DocumentOpen reaches the add-in, which registers the document, so processing marks it.
  const auto documento = word_.AbrirDocumento({"Los niños juegan en el patio."});
  EXPECT_FALSE(word_.Pulsar("Quillora", 1));
  ASSERT_EQ(Marcas(*documento), std::vector<std::string>{"Los niños"});

  word_.ClicDerecho(documento, 5, 5);  // inside the mark
  EXPECT_EQ(Entradas(true), V(7, true));
  word_.ClicDerecho(documento, 20, 24);  // plain text
  EXPECT_EQ(Entradas(true), V(7, false));

  word_.Pulsar("Quillora", 3);  // hide
  EXPECT_FALSE(QuilloraVisible(*documento));
  word_.Pulsar("Quillora", 2);  // show
  EXPECT_TRUE(QuilloraVisible(*documento));
  EXPECT_EQ(Marcas(*documento).size(), 1u);

  // A document Word creates is registered too; closing one takes its marks away.
  const auto nuevo = word_.NuevoDocumento({"Los alumnos llegan."});
  word_.Pulsar("Quillora", 1);
  EXPECT_EQ(Marcas(*nuevo).size(), 1u);
  EXPECT_TRUE(word_.CerrarDocumento(nuevo));
  EXPECT_EQ(nuevo->CommentCount(), 0);

  ASSERT_EQ(connect_->OnBeginShutdown(nullptr), S_OK);
  EXPECT_FALSE(Barra());
  EXPECT_EQ(Entradas(false), V(7, false));
  // No other Word runs here, so the Normal template is saved.
  EXPECT_EQ(word_.Memoria().NormalTemplateSaves(), 1);

  ASSERT_EQ(connect_->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
  EXPECT_EQ(word_.SumiderosEventos(), 0);
  EXPECT_EQ(word_.SumiderosClick(), 0);
  connect_.Reset();
  EXPECT_EQ(word_.ObjetosVivos(), objetosAntes_);
}

TEST_F(CicloVidaTest, ActivadoConWordEnMarchaArrancaEnSeguida) {
  const auto documento = word_.AbrirDocumento({"Los alumnos llegan."});
  ASSERT_EQ(Conectar(ext_cm_AfterStartup), S_OK);
  ASSERT_TRUE(Barra());
  EXPECT_EQ(Entradas(false), V(7, true));
  EXPECT_TRUE(word_.Memoria().GetDisplayScreenTips());

  // The open document was registered at start-up: processing it marks it.
  word_.Pulsar("Quillora", 1);
  EXPECT_EQ(Marcas(*documento), std::vector<std::string>{"Los alumnos"});

  // Switched off by the user: the bar and the entries go without a separate shut-down.
  ASSERT_EQ(connect_->OnDisconnection(ext_dm_UserClosed, nullptr), S_OK);
  EXPECT_FALSE(Barra());
  EXPECT_EQ(Entradas(false), V(7, false));
  EXPECT_EQ(word_.SumiderosEventos(), 0);

  // And on again.
  ASSERT_EQ(Conectar(ext_cm_External), S_OK);
  EXPECT_TRUE(Barra());
  EXPECT_EQ(word_.SumiderosEventos(), 1);
  ASSERT_EQ(connect_->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
}

// Run without the data source "Quillora".
class SinOrigenDeDatosTest : public CicloVidaTest {};

TEST_F(SinOrigenDeDatosTest, ElArranqueLoDiceYSigue) {
  const auto documento = word_.AbrirDocumento({"Los niños juegan."});
  ASSERT_EQ(Conectar(ext_cm_AfterStartup), S_OK);
  EXPECT_EQ(servicios_->mensajes,
            (std::vector<Mensaje>{{"No se ha podido acceder a la base de datos",
                                   quillora::ui::Icono::Critico, quillora::ui::Botones::Aceptar,
                                   "Quillora"}}));
  ASSERT_TRUE(Barra());
  EXPECT_EQ(Botones(), 6);

  // An empty dictionary finds nothing.
  word_.Pulsar("Quillora", 1);
  EXPECT_TRUE(Marcas(*documento).empty());
  ASSERT_EQ(connect_->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
}

}  // namespace
