#include "review/frm_quillora.h"

#include "disenos/disenos.h"

namespace quillora::win32 {

// A coloured header with the title; the term in its context; the two classes side by side; the
// alternatives; the buttons in a column on the right. The explanation lies below the short
// window's bottom edge: "Más" makes the window tall enough to show it.
Diseno DisenoQuillora(const frmQuillora& f) {
  Diseno d;
  d.ancho = 660;
  d.alto = 570;
  d.altoCabecera = 48;
  d.Poner(f.lblCaption, {16, 9, 320, 30}).titulo = true;
  d.Poner(f.Label1, {12, 58, 530, 14});
  d.Poner(f.rtbTermino, {12, 74, 530, 54});
  d.Poner(f.Label5, {12, 136, 262, 14});
  d.Poner(f.rtfMorfologia, {12, 152, 262, 72});
  d.Poner(f.Label4, {280, 136, 262, 14});
  d.Poner(f.rtfSexismo, {280, 152, 262, 72});
  d.Poner(f.Label3, {12, 232, 530, 14});
  d.Poner(f.lvSugerencias, {12, 248, 530, 164}).seleccionUnica = true;
  d.Poner(f.cmdCambiar, {554, 74, 94, 26});
  d.Poner(f.cmdCambiarTodas, {554, 106, 94, 26});
  d.Poner(f.cmdOmitir, {554, 146, 94, 26});
  d.Poner(f.cmdOmitirTodas, {554, 178, 94, 26});
  d.Poner(f.cmdMas, {554, 352, 94, 26});
  d.Poner(f.cmdCerrar, {554, 386, 94, 26});
  d.Poner(f.Label2, {12, 434, 636, 14});
  d.Poner(f.RTBEtimologia, {12, 450, 636, 110});
  return d;
}

}  // namespace quillora::win32
