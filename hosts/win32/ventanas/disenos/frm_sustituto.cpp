#include "editor/frm_sustituto.h"

#include "disenos/disenos.h"

namespace quillora::win32 {

// The entry and the alternative one under the other, the context in its frame, the buttons at
// the bottom right.
Diseno DisenoSustituto(const frmSustituto& f) {
  Diseno d;
  d.ancho = 420;
  d.alto = 298;
  d.Poner(f.Label1, {12, 12, 396, 14});
  d.Poner(f.txtEntrada, {12, 28, 396, 22});
  d.Poner(f.Label2, {12, 60, 396, 14});
  d.Poner(f.txtSustituto, {12, 76, 396, 22});
  d.Poner(f.Frame1, {12, 108, 396, 140});
  d.Poner(f.txtContexto, {24, 128, 372, 108});
  d.Poner(f.cmdAceptar, {236, 260, 84, 26});
  d.Poner(f.cmdCancelar, {324, 260, 84, 26});
  return d;
}

}  // namespace quillora::win32
