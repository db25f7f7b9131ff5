#pragma once

#include <cstdint>
#include <string>

#include "ui/boton.h"
#include "ui/cuadro_texto.h"
#include "ui/etiqueta.h"
#include "ui/formulario.h"
#include "ui/marco.h"

namespace quillora {

namespace ui {
class Servicios;
}

// One alternative wording of an entry: its text and the context it applies in. Saving writes the
// database at once; the caller reads BOk and IdSustituto when the window has closed.
class frmSustituto : public ui::Formulario {
 public:
  explicit frmSustituto(ui::Servicios& servicios);

  bool GetBOk() const { return BOk; }
  std::int32_t GetIdSustituto() const { return IdSustituto; }
  void SetIdSustituto(std::int32_t id) { IdSustituto = id; }
  std::int32_t GetIdEntry() const { return IdEntry; }
  // Shows the entry's name; a key with no entry leaves the name empty and the key at -1.
  void SetIdEntry(std::int32_t id);
  // Reads the alternative IdSustituto and the key of its entry into the window; none found sets
  // the key to -1.
  void Cargar();

  ui::Etiqueta Label1{"Label1", "Entrada"};
  ui::CuadroTexto txtEntrada{"txtEntrada"};
  ui::Etiqueta Label2{"Label2", "Alternativa"};
  ui::CuadroTexto txtSustituto{"txtSustituto"};
  ui::Marco Frame1{"Frame1", "Contexto"};
  ui::CuadroTexto txtContexto{"txtContexto"};
  ui::Boton cmdAceptar{"cmdAceptar", "&Aceptar"};
  ui::Boton cmdCancelar{"cmdCancelar", "&Cancelar"};

 protected:
  void Form_Load() override;

 private:
  void CargarNombreEntrada();
  bool Guardar();
  bool ExisteSustituto(const std::string& texto);
  void InsertarSustituto();
  void ActualizarSustituto();

  ui::Servicios& servicios_;
  bool BOk = false;
  std::int32_t IdSustituto = -1;
  std::int32_t IdEntry = -1;
  bool Existente = false;
};

}  // namespace quillora
