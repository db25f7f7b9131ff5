#include "scan/frm_procesar.h"

#include "disenos/disenos.h"

namespace quillora::win32 {

// A progress bar across the window and the button that stops the run below its right end.
Diseno DisenoProcesar(const frmProcesar& f) {
  Diseno d;
  d.ancho = 360;
  d.alto = 92;
  d.Poner(f.pbQuillora, {12, 16, 336, 20});
  d.Poner(f.cmdCancelar, {264, 54, 84, 26});
  return d;
}

}  // namespace quillora::win32
