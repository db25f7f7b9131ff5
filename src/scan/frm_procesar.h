#pragma once

#include <memory>
#include <string>

#include "ui/barra_progreso.h"
#include "ui/boton.h"
#include "ui/formulario.h"

namespace quillora {

namespace word {
class Application;
class Range;
}  // namespace word
namespace ui {
class Servicios;
}
class Documentos;
class Entrada;
class GestionBD;

// The progress window of the processing run. On its first activation it walks the active
// document word by word, feeds the words to the matcher and writes a mark (a comment by
// "Quillora" with initials "QKV") over every match, after removing the marks of earlier runs;
// then it closes itself. Its button and its close box stop the run; the marks written stay.
class frmProcesar : public ui::Formulario {
 public:
  explicit frmProcesar(ui::Servicios& servicios);

  void SetDocumentos(std::shared_ptr<Documentos> documentos) {
    documentos_ = std::move(documentos);
  }
  void SetWrd(std::shared_ptr<word::Application> wrd) { wrd_ = std::move(wrd); }
  void SetGestion(std::shared_ptr<GestionBD> gestion) { gestion_ = std::move(gestion); }
  // Whether doublets ("los alumnos y las alumnas") and a term followed by the name of the person
  // it speaks of are marked too; by default they are left unmarked.
  void SetMarcarDesdobles(bool marcar) { marcarDesdobles_ = marcar; }

  // The run; started by the first activation.
  void Procesar();

  ui::BarraProgreso pbQuillora{"pbQuillora"};
  ui::Boton cmdCancelar{"cmdCancelar", "&Cancelar"};

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_QueryUnload(bool& cancel, ui::ModoCierre modo) override;

 private:
  void Recorrer(const std::shared_ptr<word::Range>& texto);
  void Marcar(const std::shared_ptr<word::Range>& rango, const Entrada& entrada);
  void Terminar();

  ui::Servicios& servicios_;
  std::shared_ptr<word::Application> wrd_;
  std::shared_ptr<GestionBD> gestion_;
  std::shared_ptr<Documentos> documentos_;
  bool marcarDesdobles_ = false;
  bool cancelado_ = false;
  bool activado_ = false;
};

// The comment text of a mark: the entry's alternatives, each trimmed, one per line (CR LF).
std::string TextoMarca(const Entrada& entrada);

// A comment is a mark when its initials are exactly these.
inline constexpr const char* kIniciales = "QKV";
inline constexpr const char* kAutor = "Quillora";

}  // namespace quillora
