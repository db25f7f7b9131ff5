#include "diseno.h"

#include "disenos/disenos.h"
#include "editor/frm_entrada.h"
#include "editor/frm_entradas.h"
#include "editor/frm_sustituto.h"
#include "review/frm_quillora.h"
#include "scan/frm_procesar.h"
#include "ui/barra_herramientas.h"
#include "ui/cuadro_texto.h"
#include "ui/etiqueta.h"
#include "ui/marco.h"
#include "ui/menu.h"
#include "ui/temporizador.h"
#include "ui/vista_lista.h"

namespace quillora::win32 {

namespace {

constexpr int kMargen = 12;
constexpr int kAncho = 360;
constexpr int kSeparacion = 6;

// How tall a control of that kind is drawn when no layout places it.
int AltoDe(const ui::Control& control) {
  if (dynamic_cast<const ui::TextoEnriquecido*>(&control) != nullptr) return 80;
  if (const auto* caja = dynamic_cast<const ui::CuadroTexto*>(&control)) {
    return caja->GetMultiLine() ? 60 : 22;
  }
  if (dynamic_cast<const ui::VistaLista*>(&control) != nullptr) return 120;
  if (dynamic_cast<const ui::Etiqueta*>(&control) != nullptr) return 16;
  if (dynamic_cast<const ui::Marco*>(&control) != nullptr) return 20;
  if (dynamic_cast<const ui::BarraHerramientas*>(&control) != nullptr) return 28;
  return 24;
}

// Every control one under another, in the form's order.
Diseno Apilado(const ui::Formulario& formulario) {
  Diseno diseno;
  diseno.ancho = kAncho + 2 * kMargen;
  int y = kMargen;
  for (const auto* control : formulario.Controles()) {
    if (dynamic_cast<const ui::Menu*>(control) != nullptr ||
        dynamic_cast<const ui::Temporizador*>(control) != nullptr) {
      continue;
    }
    const int alto = AltoDe(*control);
    diseno.Poner(*control, Rectangulo{kMargen, y, kAncho, alto});
    y += alto + kSeparacion;
  }
  diseno.alto = y + kMargen - kSeparacion;
  return diseno;
}

}  // namespace

Diseno DisenoDe(ui::Formulario& formulario) {
  if (const auto* f = dynamic_cast<const frmProcesar*>(&formulario)) return DisenoProcesar(*f);
  if (const auto* f = dynamic_cast<const frmQuillora*>(&formulario)) return DisenoQuillora(*f);
  if (const auto* f = dynamic_cast<const frmEntradas*>(&formulario)) return DisenoEntradas(*f);
  if (const auto* f = dynamic_cast<const frmEntrada*>(&formulario)) return DisenoEntrada(*f);
  if (const auto* f = dynamic_cast<const frmSustituto*>(&formulario)) return DisenoSustituto(*f);
  return Apilado(formulario);
}

}  // namespace quillora::win32
