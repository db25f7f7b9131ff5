#pragma once

#include <array>
#include <memory>
#include <string>

#include "addin/boton_con_eventos.h"
#include "addin/idt_extensibility2.h"
#include "common/entorno.h"

namespace quillora {

namespace word {
class Application;
class Comment;
class CommandBar;
class CommandBarControl;
class Document;
class Selection;
class Window;
}  // namespace word
namespace ui {
class Servicios;
}
class Documentos;
class GestionBD;
class frmEntradas;
class frmQuillora;

// The add-in: Word creates it and drives its life through IDTExtensibility2. At start-up it loads
// the dictionary, builds the "Quillora" command bar and the "Quillora..." entry of seven context
// menus, and follows Word's events to know the open documents and the mark under the pointer;
// its buttons run the commands. Everything runs on Word's one user-interface thread.
class Connect final : public IDTExtensibility2 {
 public:
  // The dialogs and messages show on `servicios`; settings, shell and processes come from
  // `entorno`. Both outlive the add-in.
  Connect(ui::Servicios& servicios, comun::Entorno entorno);
  ~Connect() override;
  Connect(const Connect&) = delete;
  Connect& operator=(const Connect&) = delete;

  // Builds the command bar and its six buttons.
  void CrearBarra();
  // Adds the entry "Quillora..." to each of the seven context menus.
  void CrearMenus();

  void OnConnection(std::shared_ptr<word::Application> Application, ext_ConnectMode ConnectMode,
                    std::shared_ptr<void> AddInInst, const Custom& custom) override;
  void OnDisconnection(ext_DisconnectMode RemoveMode, const Custom& custom) override;
  void OnAddInsUpdate(const Custom& custom) override;
  void OnStartupComplete(const Custom& custom) override;
  void OnBeginShutdown(const Custom& custom) override;

  // What the add-in holds, for the program that plays Word's part and for tests to look at.
  const std::shared_ptr<GestionBD>& GetGestion() const { return Gestion; }
  const std::shared_ptr<Documentos>& GetDocumentosCargados() const { return DocumentosCargados; }
  const std::shared_ptr<word::Document>& GetDocumentoActual() const { return DocumentoActual; }
  const std::shared_ptr<word::Comment>& GetMarcaRecordada() const { return MarcaRecordada; }

 private:
  class EventosWord;

  // Word's application events.
  void wrd_DocumentOpen(const std::shared_ptr<word::Document>& Doc);
  void wrd_NewDocument(const std::shared_ptr<word::Document>& Doc);
  void wrd_WindowActivate(const std::shared_ptr<word::Document>& Doc,
                          const std::shared_ptr<word::Window>& Wn);
  void wrd_DocumentBeforeClose(const std::shared_ptr<word::Document>& Doc, bool& Cancel);
  void wrd_WindowBeforeRightClick(const std::shared_ptr<word::Selection>& Sel, bool& Cancel);
  void Wrd_Quit();

  // The Click events of the buttons and of the seven context entries.
  void qkvProcessButton_Click(const std::shared_ptr<word::CommandBarControl>& Ctrl,
                              bool& CancelDefault);
  void qkvShowButton_Click(const std::shared_ptr<word::CommandBarControl>& Ctrl,
                           bool& CancelDefault);
  void qkvHideButton_Click(const std::shared_ptr<word::CommandBarControl>& Ctrl,
                           bool& CancelDefault);
  void qkvNotaButton_Click(const std::shared_ptr<word::CommandBarControl>& Ctrl,
                           bool& CancelDefault);
  void qkvConfigurationButton_Click(const std::shared_ptr<word::CommandBarControl>& Ctrl,
                                    bool& CancelDefault);
  void qkvHelpButton_Click(const std::shared_ptr<word::CommandBarControl>& Ctrl,
                           bool& CancelDefault);
  void quilloraContext_Click(const std::shared_ptr<word::CommandBarControl>& Ctrl,
                             bool& CancelDefault);

  // Setting it connects the add-in to Word's events; none disconnects them.
  void SetWrd(std::shared_ptr<word::Application> wrd);
  // Wrd, or an error when the add-in is not connected to Word.
  word::Application& Word() const;

  // Documents and marks.
  void ActivarDocumento(const std::shared_ptr<word::Document>& documento);
  void RegistrarDocumento(const std::shared_ptr<word::Document>& documento);
  void ActivarScreenTips();
  void RestaurarScreenTips();
  bool MarcaRecordadaEn(const std::shared_ptr<word::Document>& documento);
  std::shared_ptr<word::Comment> MarcaEnSeleccion(const std::shared_ptr<word::Document>& documento);
  void BorrarMarcas(const std::shared_ptr<word::Document>& documento);

  // The command bar and the context entries.
  void InicializarMenus();
  std::shared_ptr<word::CommandBarControl> BuscarControlMenu(const std::string& nombreMenu);
  void ConectarBarra(bool crear);
  void ConectarMenus(bool crear);
  void BorrarBarras();
  void QuitarMenus();
  void AsignarImagen(word::CommandBarControl& boton, const std::string& imagen,
                     const std::string& mascara, std::int32_t faceId);
  void ActualizarMenus(const std::shared_ptr<word::Document>& documento);
  void MostrarMenus(bool visible);
  // The six buttons, by position in the bar, and the seven entries in the order of NombresMenus.
  std::array<BotonConEventos*, 6> Botones();
  std::array<BotonConEventos*, 7> EntradasContextuales();

  // The commands.
  // The document the show, hide and review commands work on; none, after saying so, when Word
  // has no usable active document.
  std::shared_ptr<word::Document> DocumentoDelComando();
  void MostrarResultado();
  void OcultarResultado();
  void AbrirAyuda();
  void RevisarMarca();
  void GestionarEntradas();

  ui::Servicios& servicios_;
  comun::Entorno entorno_;

  std::shared_ptr<word::Application> Aplicacion;
  std::shared_ptr<word::CommandBar> Barra;
  std::shared_ptr<word::Document> DocumentoActual;
  std::shared_ptr<word::Comment> MarcaRecordada;
  std::shared_ptr<GestionBD> Gestion;
  std::array<std::string, 7> NombresMenus;
  std::shared_ptr<Documentos> DocumentosCargados;
  std::shared_ptr<void> InstanciaAddIn;
  bool ScreenTipsGuardado = true;
  bool ScreenTipsCambiado = false;

  BotonConEventos qkvProcessButton;
  BotonConEventos qkvShowButton;
  BotonConEventos qkvHideButton;
  BotonConEventos qkvNotaButton;
  BotonConEventos qkvConfigurationButton;
  BotonConEventos qkvHelpButton;
  BotonConEventos quilloraContextComment;
  BotonConEventos quilloraContextSpelling;
  BotonConEventos quilloraContextGrammar;
  BotonConEventos quilloraContextGrammar2;
  BotonConEventos quilloraContextInkComment;
  BotonConEventos quilloraContextText;
  BotonConEventos quilloraContextFields;

  std::shared_ptr<word::Application> Wrd;
  std::shared_ptr<EventosWord> eventos_;
  // The review dialog: one for the add-in's whole life, loaded again for each review.
  std::unique_ptr<frmQuillora> frmQuillora_;
  // The dictionary browser, likewise.
  std::unique_ptr<frmEntradas> frmEntradas_;
};

}  // namespace quillora
