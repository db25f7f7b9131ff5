#include "addin/connect.h"

#include <stdexcept>

#include "addin/ignorar_errores.h"
#include "common/contar_instancias_word.h"
#include "dictionary/carga_bd.h"
#include "dictionary/gestion_bd.h"
#include "editor/frm_entradas.h"
#include "review/frm_quillora.h"
#include "scan/documentos.h"
#include "scan/frm_procesar.h"
#include "ui/servicios.h"
#include "word/application.h"
#include "word/application_events.h"
#include "word/comment.h"
#include "word/document.h"
#include "word/range.h"
#include "word/window.h"

namespace quillora {

// Word's events for the add-in. Word holds the sink while connected; the add-in disconnects it
// before it goes, so the sink's plain pointer never outlives it.
class Connect::EventosWord final : public word::ApplicationEvents {
 public:
  explicit EventosWord(Connect& connect) : connect_(connect) {}
  void DocumentOpen(const std::shared_ptr<word::Document>& doc) override {
    connect_.wrd_DocumentOpen(doc);
  }
  void NewDocument(const std::shared_ptr<word::Document>& doc) override {
    connect_.wrd_NewDocument(doc);
  }
  void DocumentBeforeClose(const std::shared_ptr<word::Document>& doc, bool& cancel) override {
    connect_.wrd_DocumentBeforeClose(doc, cancel);
  }
  void WindowActivate(const std::shared_ptr<word::Document>& doc,
                      const std::shared_ptr<word::Window>& wn) override {
    connect_.wrd_WindowActivate(doc, wn);
  }
  void WindowBeforeRightClick(const std::shared_ptr<word::Selection>& sel, bool& cancel) override {
    connect_.wrd_WindowBeforeRightClick(sel, cancel);
  }
  void Quit() override { connect_.Wrd_Quit(); }

 private:
  Connect& connect_;
};

namespace {

// Marks are recognised by their initials alone.
bool EsMarca(const word::Comment& comentario) { return comentario.GetInitial() == kIniciales; }

}  // namespace

Connect::Connect(ui::Servicios& servicios, comun::Entorno entorno)
    : servicios_(servicios),
      entorno_(entorno),
      qkvProcessButton(
          [this](const auto& ctrl, bool& cancel) { qkvProcessButton_Click(ctrl, cancel); }),
      qkvShowButton([this](const auto& ctrl, bool& cancel) { qkvShowButton_Click(ctrl, cancel); }),
      qkvHideButton([this](const auto& ctrl, bool& cancel) { qkvHideButton_Click(ctrl, cancel); }),
      qkvNotaButton([this](const auto& ctrl, bool& cancel) { qkvNotaButton_Click(ctrl, cancel); }),
      qkvConfigurationButton(
          [this](const auto& ctrl, bool& cancel) { qkvConfigurationButton_Click(ctrl, cancel); }),
      qkvHelpButton([this](const auto& ctrl, bool& cancel) { qkvHelpButton_Click(ctrl, cancel); }),
      quilloraContextComment([this](const auto& c, bool& x) { quilloraContext_Click(c, x); }),
      quilloraContextSpelling([this](const auto& c, bool& x) { quilloraContext_Click(c, x); }),
      quilloraContextGrammar([this](const auto& c, bool& x) { quilloraContext_Click(c, x); }),
      quilloraContextGrammar2([this](const auto& c, bool& x) { quilloraContext_Click(c, x); }),
      quilloraContextInkComment([this](const auto& c, bool& x) { quilloraContext_Click(c, x); }),
      quilloraContextText([this](const auto& c, bool& x) { quilloraContext_Click(c, x); }),
      quilloraContextFields([this](const auto& c, bool& x) { quilloraContext_Click(c, x); }) {}

Connect::~Connect() { SetWrd(nullptr); }

void Connect::SetWrd(std::shared_ptr<word::Application> wrd) {
  if (Wrd && eventos_) Wrd->Unadvise(eventos_);
  Wrd.reset();
  if (!wrd) return;
  if (!eventos_) eventos_ = std::make_shared<EventosWord>(*this);
  wrd->Advise(eventos_);
  Wrd = std::move(wrd);
}

word::Application& Connect::Word() const {
  if (!Wrd) throw std::runtime_error("El complemento no está conectado a Word");
  return *Wrd;
}

void Connect::OnConnection(std::shared_ptr<word::Application> Application,
                           ext_ConnectMode ConnectMode, std::shared_ptr<void> AddInInst,
                           const Custom& custom) {
  IgnorarErrores([&] {
    Aplicacion = std::move(Application);
    InstanciaAddIn = std::move(AddInInst);
  });
  // The registry reaches the dictionary in use, also after a reload replaces it.
  IgnorarErrores(
      [&] { DocumentosCargados = std::make_shared<Documentos>([this] { return Gestion; }); });
  IgnorarErrores([&] { InicializarMenus(); });
  ScreenTipsGuardado = true;
  ScreenTipsCambiado = false;
  // Switched on while Word runs: Word will not announce the end of its start-up.
  if (ConnectMode != ext_ConnectMode::ext_cm_Startup) {
    IgnorarErrores([&] { OnStartupComplete(custom); });
  }
}

void Connect::OnStartupComplete(const Custom& /*custom*/) {
  SetWrd(Aplicacion);
  Gestion = std::make_shared<GestionBD>();
  Word().GetSystem()->SetCursor(word::Cursor::Espera);
  carga_bd::CargarDiccionario(*Gestion, servicios_);
  Word().GetSystem()->SetCursor(word::Cursor::Normal);
  CrearBarra();
  CrearMenus();
  if (Word().GetDocuments()->Count() >= 1) {
    std::shared_ptr<word::Document> activo;
    if (IgnorarErrores([&] { activo = Word().GetActiveDocument(); }) && activo) {
      ActivarDocumento(activo);
    }
  }
  ActivarScreenTips();
}

void Connect::OnAddInsUpdate(const Custom& /*custom*/) {}

void Connect::OnBeginShutdown(const Custom& /*custom*/) {
  IgnorarErrores([&] { QuitarMenus(); });
  IgnorarErrores([&] { BorrarBarras(); });
  std::int16_t instancias = 0;
  IgnorarErrores([&] {
    instancias =
        comun::ContarInstanciasWord(entorno_.procesos, [this] { servicios_.ProcesarMensajes(); });
  });
  // Another Word shares the Normal template: saving it here would undo that Word's changes.
  IgnorarErrores([&] {
    if (instancias > 1) {
      Word().GetNormalTemplate()->SetSaved(true);
    } else {
      Word().GetNormalTemplate()->Save();
    }
  });
}

void Connect::OnDisconnection(ext_DisconnectMode /*RemoveMode*/, const Custom& custom) {
  OnBeginShutdown(custom);
  MarcaRecordada.reset();
  IgnorarErrores([&] {
    if (DocumentosCargados) DocumentosCargados->Clear();
  });
  DocumentosCargados.reset();
  DocumentoActual.reset();
  Gestion.reset();
  SetWrd(nullptr);
  InstanciaAddIn.reset();
  // Nothing of Word is kept past disconnection.
  Aplicacion.reset();
  Barra.reset();
  for (auto* boton : Botones()) boton->Set(nullptr);
}

void Connect::RegistrarDocumento(const std::shared_ptr<word::Document>& documento) {
  if (DocumentosCargados->Contains(documento)) return;
  DocumentosCargados->Add(documento);
  Gestion->CargarDocumento(DocumentosCargados->IdDocumentoStr(documento));
}

void Connect::ActivarDocumento(const std::shared_ptr<word::Document>& documento) {
  if (documento == DocumentoActual) return;
  RegistrarDocumento(documento);
  DocumentoActual = documento;
  ConectarBarra(true);
}

void Connect::ActivarScreenTips() {
  if (ScreenTipsCambiado) return;
  IgnorarErrores([&] {
    if (Word().GetDisplayScreenTips()) return;
    ScreenTipsGuardado = false;
    Word().SetDisplayScreenTips(true);
    ScreenTipsCambiado = true;
  });
}

void Connect::RestaurarScreenTips() {
  if (!ScreenTipsCambiado) return;
  IgnorarErrores([&] {
    Word().SetDisplayScreenTips(ScreenTipsGuardado);
    ScreenTipsCambiado = false;
  });
}

void Connect::wrd_DocumentOpen(const std::shared_ptr<word::Document>& Doc) {
  ActivarScreenTips();
  RegistrarDocumento(Doc);
}

void Connect::wrd_NewDocument(const std::shared_ptr<word::Document>& Doc) {
  RegistrarDocumento(Doc);
}

void Connect::wrd_WindowActivate(const std::shared_ptr<word::Document>& Doc,
                                 const std::shared_ptr<word::Window>& /*Wn*/) {
  ActivarDocumento(Doc);
}

void Connect::wrd_DocumentBeforeClose(const std::shared_ptr<word::Document>& Doc,
                                      bool& /*Cancel*/) {
  if (Doc == DocumentoActual) DocumentoActual.reset();
  if (Doc) {
    IgnorarErrores([&] {
      if (MarcaRecordada && MarcaRecordada->GetRange()->GetParent() == Doc) {
        MarcaRecordada.reset();
      }
    });
    // The marks leave a document when it is closed.
    IgnorarErrores([&] { BorrarMarcas(Doc); });
  }
  IgnorarErrores([&] {
    if (DocumentosCargados && DocumentosCargados->Contains(Doc)) DocumentosCargados->Remove(Doc);
  });
  IgnorarErrores([&] {
    if (Word().GetDocuments()->Count() == 1) RestaurarScreenTips();
  });
}

void Connect::wrd_WindowBeforeRightClick(const std::shared_ptr<word::Selection>& Sel,
                                         bool& /*Cancel*/) {
  std::int32_t comentarios = 0;
  if (IgnorarErrores([&] { comentarios = Sel->GetComments()->Count(); })) {
    std::shared_ptr<word::Comment> primero;
    IgnorarErrores([&] {
      if (comentarios >= 1) {
        auto comentario = Sel->GetComments()->Item(1);
        if (EsMarca(*comentario)) primero = std::move(comentario);
      }
    });
    MarcaRecordada = std::move(primero);
  } else {
    MarcaRecordada.reset();
  }
  std::shared_ptr<word::Document> documento;
  IgnorarErrores([&] { documento = Word().GetActiveDocument(); });
  ConectarMenus(false);
  ActualizarMenus(documento);
}

void Connect::Wrd_Quit() {
  IgnorarErrores([&] {
    if (comun::ContarInstanciasWord(entorno_.procesos, [this] { servicios_.ProcesarMensajes(); }) >
        1) {
      Word().GetNormalTemplate()->SetSaved(true);
    }
  });
}

bool Connect::MarcaRecordadaEn(const std::shared_ptr<word::Document>& documento) {
  if (!MarcaRecordada) return false;
  bool en = false;
  // A remembered mark deleted since fails on first use and is forgotten.
  if (!IgnorarErrores([&] { en = MarcaRecordada->GetRange()->GetParent() == documento; })) {
    MarcaRecordada.reset();
    return false;
  }
  return en;
}

std::shared_ptr<word::Comment> Connect::MarcaEnSeleccion(
    const std::shared_ptr<word::Document>& documento) {
  const auto seleccion = documento->GetActiveWindow()->GetSelection();
  const auto inicio = seleccion->GetStart();
  const auto fin = seleccion->GetEnd();
  const auto comentarios = documento->GetComments();
  const auto cuenta = comentarios->Count();
  for (std::int32_t i = 1; i <= cuenta; ++i) {
    auto comentario = comentarios->Item(i);
    if (!EsMarca(*comentario)) continue;
    const auto alcance = comentario->GetScope();
    if (alcance->GetStart() <= inicio && alcance->GetEnd() >= fin) return comentario;
  }
  return nullptr;
}

void Connect::BorrarMarcas(const std::shared_ptr<word::Document>& documento) {
  const auto comentarios = documento->GetComments();
  for (std::int32_t i = 1; i <= comentarios->Count();) {
    const auto comentario = comentarios->Item(i);
    if (EsMarca(*comentario)) {
      comentario->Delete();  // the next comment moves into place
    } else {
      ++i;
    }
  }
}

}  // namespace quillora
