#include "review/frm_quillora.h"

#include "disenos/disenos.h"

namespace quillora::win32 {

// A coloured header with the title; the term in its context; the two classes side by side; the
// alternatives; the buttons in a column on the right. The explanation lies below the short
// window's bottom edge: "Más" makes the window tall enough to show it.
Diseno DisenoQuillora(const frmQuillora& f) {
  Diseno d;
  d.ancho = 600;
  d.alto = 570;
  d.altoCabecera = 48;
  d.Poner(f.lblCaption, {16, 9, 320, 30}).titulo = true;
  d.Poner(f.Label1, {12, 58, 470, 14});
  d.Poner(f.rtbTermino, {12, 74, 470, 54});
  d.Poner(f.Label5, {12, 136, 232, 14});
  d.Poner(f.rtfMorfologia, {12, 152, 232, 64});
  d.Poner(f.Label4, {250, 136, 232, 14});
  d.Poner(f.rtfSexismo, {250, 152, 232, 64});
  d.Poner(f.Label3, {12, 224, 470, 14});
  d.Poner(f.lvSugerencias, {12, 240, 470, 170}).seleccionUnica = true;
  d.Poner(f.cmdCambiar, {494, 74, 94, 26});
  d.Poner(f.cmdCambiarTodas, {494, 106, 94, 26});
  d.Poner(f.cmdOmitir, {494, 146, 94, 26});
  d.Poner(f.cmdOmitirTodas, {494, 178, 94, 26});
  d.Poner(f.cmdMas, {494, 350, 94, 26});
  d.Poner(f.cmdCerrar, {494, 384, 94, 26});
  d.Poner(f.Label2, {12, 432, 576, 14});
  d.Poner(f.RTBEtimologia, {12, 448, 576, 110});
  return d;
}

}  // namespace quillora::win32
