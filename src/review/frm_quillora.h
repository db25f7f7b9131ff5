#pragma once

#include <memory>
#include <string>

#include "ui/boton.h"
#include "ui/cuadro_texto.h"
#include "ui/etiqueta.h"
#include "ui/formulario.h"
#include "ui/vista_lista.h"

namespace quillora {

namespace word {
class Application;
class Comment;
}  // namespace word
namespace ui {
class Servicios;
}
class Documentos;
class Entrada;
class GestionBD;

// The review of one mark: the term in its sentence, the entry's classes and explanation, the
// alternatives; it replaces the term here or in every mark of the same text, or skips it here or
// in the whole document. Every action closes it.
class frmQuillora : public ui::Formulario {
 public:
  explicit frmQuillora(ui::Servicios& servicios);

  void SetSelectedComment(std::shared_ptr<word::Comment> comentario);
  void SetWrd(std::shared_ptr<word::Application> wrd);
  void SetGestion(std::shared_ptr<GestionBD> gestion);
  void SetDocumentosCargados(std::shared_ptr<Documentos> documentos);
  // Fills the dialog for the mark; says so when there is no mark, dictionary or entry.
  void Cargar();

  ui::Etiqueta lblCaption{"lblCaption", "Quillora"};
  ui::Etiqueta Label1{"Label1", "Término localizado en el texto"};
  ui::TextoEnriquecido rtbTermino{"rtbTermino"};
  ui::Etiqueta Label5{"Label5", "Clasificación morfológica"};
  ui::TextoEnriquecido rtfMorfologia{"rtfMorfologia"};
  ui::Etiqueta Label4{"Label4", "Clasificación sexista"};
  ui::TextoEnriquecido rtfSexismo{"rtfSexismo"};
  ui::Etiqueta Label2{"Label2", "Información"};
  ui::TextoEnriquecido RTBEtimologia{"RTBEtimologia"};
  ui::Etiqueta Label3{"Label3", "Alternativas propuestas al uso sexista y contexto"};
  ui::VistaLista lvSugerencias{"lvSugerencias"};
  ui::Boton cmdCambiar{"cmdCambiar", "&Cambiar"};
  ui::Boton cmdCambiarTodas{"cmdCambiarTodas", "Cambiar &todas"};
  ui::Boton cmdOmitir{"cmdOmitir", "&Omitir"};
  ui::Boton cmdOmitirTodas{"cmdOmitirTodas", "Omitir to&das"};
  ui::Boton cmdMas{"cmdMas", "Más"};
  ui::Boton cmdCerrar{"cmdCerrar", "&Cerrar"};

  // Heights of the short and the tall layout, in twips.
  static constexpr std::int32_t kAltoNormal = 6860;
  static constexpr std::int32_t kAltoAmpliado = 9030;

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void LimpiarControles();
  void MostrarTermino();
  void CargarSugerencias(const Entrada& entrada);
  // Writes the alternative over the mark's text, with the determiner before it and the capital
  // letters the sentence needs.
  void Reemplazar(const std::string& alternativa, const word::Comment& marca);
  // The alternative chosen in the list; none, after saying so, when there is none.
  const ui::VistaLista::Fila* SustitutoElegido();
  // Every mark of the document whose text is the reviewed mark's, in document order, each
  // handed to `accion` and then deleted.
  template <typename Accion>
  void ParaCadaMarcaIgual(Accion&& accion);

  void cmdCambiar_Click();
  void cmdCambiarTodas_Click();
  void OmitirUna();
  void OmitirTodas();
  void cmdMas_Click();
  void Avisar(const std::string& texto);

  ui::Servicios& servicios_;
  std::shared_ptr<word::Comment> SelectedComment;
  std::shared_ptr<word::Application> Wrd;
  std::shared_ptr<GestionBD> Gestion;
  std::shared_ptr<Documentos> DocumentosCargados;
  bool Ampliado = false;
};

}  // namespace quillora
