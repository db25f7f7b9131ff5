#include "editor/frm_entrada.h"

#include "disenos/disenos.h"

namespace quillora::win32 {

// The entry's text across the top, its two classes side by side, the comment and the
// alternatives in their frames, "Copiar sugerencia" at the bottom left and the three closing
// buttons at the bottom right.
Diseno DisenoEntrada(const frmEntrada& f) {
  Diseno d;
  d.ancho = 600;
  d.alto = 486;
  d.Poner(f.Label1, {12, 12, 576, 14});
  d.Poner(f.txtEntrada, {12, 28, 576, 22});
  d.Poner(f.Label2, {12, 60, 282, 14});
  d.Poner(f.imcMorfologia, {12, 76, 282, 22});
  d.Poner(f.Label3, {306, 60, 282, 14});
  d.Poner(f.imcSexismo, {306, 76, 282, 22});
  d.Poner(f.Frame1, {12, 108, 576, 130});
  d.Poner(f.RTBEtimologia, {24, 128, 552, 98});
  d.Poner(f.frmSustitutos, {12, 246, 576, 190});
  d.Poner(f.lvSustitutos, {24, 266, 552, 158});
  d.Poner(f.cmdCopiar, {12, 448, 140, 26});
  d.Poner(f.cmdAceptar, {324, 448, 84, 26});
  d.Poner(f.cmdAplicar, {414, 448, 84, 26});
  d.Poner(f.cmdCancelar, {504, 448, 84, 26});
  return d;
}

}  // namespace quillora::win32
