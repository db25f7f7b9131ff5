#include "editor/frm_entradas.h"

#include "disenos/disenos.h"

namespace quillora::win32 {

// The tool bar under the menus, the filters in a row inside their frame, and the two pages of
// the tab control, each with its list and its count below it.
Diseno DisenoEntradas(const frmEntradas& f) {
  Diseno d;
  d.ancho = 720;
  d.alto = 560;
  d.pestanas = &f.TabEntradas;
  d.Poner(f.tlbEntries, {0, 0, 720, 28});
  d.Poner(f.Frame1, {8, 34, 704, 68});
  d.Poner(f.Label1, {20, 52, 200, 14});
  d.Poner(f.txtEntrada, {20, 68, 200, 22});
  d.Poner(f.Label2, {232, 52, 230, 14});
  d.Poner(f.imcMorfologia, {232, 68, 230, 22});
  d.Poner(f.Label3, {474, 52, 226, 14});
  d.Poner(f.imcSexismo, {474, 68, 226, 22});
  d.Poner(f.TabEntradas, {8, 110, 704, 442});
  const Rectangulo lista{16, 138, 688, 384};
  const Rectangulo cuenta{16, 530, 688, 14};
  d.PonerEnPagina(f.lvEntradas, lista, 0);
  d.PonerEnPagina(f.lbNumeroEntradas, cuenta, 0);
  d.PonerEnPagina(f.lvBusqueda, lista, 1);
  d.PonerEnPagina(f.lbNumeroBusqueda, cuenta, 1);
  return d;
}

}  // namespace quillora::win32
