#pragma once

#include <map>
#include <optional>

namespace quillora::ui {
class Control;
class Formulario;
class Pestanas;
}  // namespace quillora::ui

namespace quillora::win32 {

// A rectangle in pixels at 96 dots per inch, from the top left corner of the window's client
// area; the window scales it to the screen's resolution.
struct Rectangulo {
  int x = 0;
  int y = 0;
  int ancho = 0;
  int alto = 0;
};

// Where a control goes and how it looks.
struct Colocacion {
  Rectangulo rect;
  // The page of the window's tab control the control is shown on; none: shown on every page.
  std::optional<std::size_t> pagina;
  // A list view in which one row at most can be selected.
  bool seleccionUnica = false;
  // A label written large and bold, as a window's title in its header.
  bool titulo = false;
};

// Where each control of a window goes. A control not placed here is not drawn.
struct Diseno {
  // The client area's size.
  int ancho = 0;
  int alto = 0;
  // The height of a coloured band across the top of the window, under its header labels.
  int altoCabecera = 0;
  // The tab control whose pages hold the controls placed on a page.
  const ui::Pestanas* pestanas = nullptr;
  std::map<const ui::Control*, Colocacion> controles;

  Colocacion& Poner(const ui::Control& control, Rectangulo rect) {
    auto& colocacion = controles[&control];
    colocacion.rect = rect;
    return colocacion;
  }
  void PonerEnPagina(const ui::Control& control, Rectangulo rect, std::size_t pagina) {
    Poner(control, rect).pagina = pagina;
  }
};

// The layout of a window: the one written for each of the add-in's dialogs, and for any other
// window its controls one under another in their order.
Diseno DisenoDe(ui::Formulario& formulario);

}  // namespace quillora::win32
