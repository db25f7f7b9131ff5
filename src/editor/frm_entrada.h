#pragma once

#include <cstdint>
#include <string>

#include "editor/frm_sustituto.h"
#include "ui/boton.h"
#include "ui/combo_imagen.h"
#include "ui/cuadro_texto.h"
#include "ui/etiqueta.h"
#include "ui/formulario.h"
#include "ui/marco.h"
#include "ui/menu.h"
#include "ui/vista_lista.h"

namespace quillora {

namespace db {
class Recordset;
}

// One dictionary entry: its text, classes, comment and alternatives. "Aceptar" and "Aplicar"
// write the entry; alternatives are written at once, through the alternative editor, once the
// entry exists. The caller reads BOk and IdEntry when the window has closed.
class frmEntrada : public ui::Formulario {
 public:
  explicit frmEntrada(ui::Servicios& servicios);

  bool GetBOk() const { return BOk; }
  std::int32_t GetIdEntry() const { return IdEntry; }
  void SetIdEntry(std::int32_t id) { IdEntry = id; }
  // Fills the window with the entry IdEntry; none found leaves it empty, as a new entry.
  void Cargar();
  // The alternative editor this window opens.
  frmSustituto& EditorSustituto() { return frmSustituto_; }

  ui::Etiqueta Label1{"Label1", "Entrada"};
  ui::CuadroTexto txtEntrada{"txtEntrada"};
  ui::Etiqueta Label2{"Label2", "Clasificación morfológica"};
  ui::ComboImagen imcMorfologia{"imcMorfologia"};
  ui::Etiqueta Label3{"Label3", "Clasificación sexista"};
  ui::ComboImagen imcSexismo{"imcSexismo"};
  ui::Marco Frame1{"Frame1", "Comentario"};
  ui::TextoEnriquecido RTBEtimologia{"RTBEtimologia"};
  ui::Marco frmSustitutos{"frmSustitutos", "Alternativas"};
  ui::VistaLista lvSustitutos{"lvSustitutos"};
  ui::Boton mnuSubstitutesAddSubstitute{"mnuSubstitutesAddSubstitute", "Añadir alternativa"};
  ui::Boton mnuSubstitutesModifySubstitute{"mnuSubstitutesModifySubstitute",
                                           "Modificar alternativa"};
  ui::Boton mnuSubstitutesSep1{"mnuSubstitutesSep1", ui::Menu::kSeparador};
  ui::Boton mnuSubstitutesDeleteSubstitute{"mnuSubstitutesDeleteSubstitute",
                                           "Eliminar alternativas"};
  ui::Menu mnuSubstitutes{"mnuSubstitutes",
                          "",
                          {&mnuSubstitutesAddSubstitute, &mnuSubstitutesModifySubstitute,
                           &mnuSubstitutesSep1, &mnuSubstitutesDeleteSubstitute}};
  ui::Boton cmdCopiar{"cmdCopiar", "&Copiar sugerencia"};
  ui::Boton cmdAceptar{"cmdAceptar", "&Aceptar"};
  ui::Boton cmdAplicar{"cmdAplicar", "A&plicar"};
  ui::Boton cmdCancelar{"cmdCancelar", "C&ancelar"};

 protected:
  void Form_Load() override;

 private:
  void LimpiarFormulario();
  void ListarSustitutos();
  void RefrescarSustituto(std::int32_t id);
  bool Guardar();
  bool ExisteEntrada(const std::string& nombre);
  void InsertarEntrada();
  void ActualizarEntrada();
  void EscribirColumnas(db::Recordset& registro);
  void NuevoSustituto();
  void ModificarSustituto();
  void MostrarEditorSustituto();
  void EliminarSustitutos();
  void BorrarSustituto(std::int32_t id);
  void CopiarSugerencia();
  void lvSustitutos_MouseUp(int boton);
  // Runs a command under the hourglass.
  template <typename Accion>
  void Comando(Accion&& accion);

  ui::Servicios& servicios_;
  frmSustituto frmSustituto_;
  bool BOk = false;
  std::int32_t IdEntry = -1;
  bool Existente = false;
};

}  // namespace quillora
