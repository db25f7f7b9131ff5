#pragma once

#include <string>
#include <vector>

#include "control_win32.h"
#include "imagenes.h"

namespace quillora::ui {
class BarraHerramientas;
class BarraProgreso;
class Boton;
class ComboImagen;
class CuadroTexto;
class Etiqueta;
class Marco;
class Pestanas;
class Temporizador;
class TextoEnriquecido;
class VistaLista;
}  // namespace quillora::ui

// The window of each kind of control model.
namespace quillora::win32 {

// A push button: a click runs the model's Click.
class BotonWin32 final : public ControlWin32 {
 public:
  BotonWin32(Anfitrion& anfitrion, ui::Boton& modelo, int id);
  void Crear(const RECT& rect, const Colocacion& colocacion) override;
  void Comando(WORD id, WORD codigo) override;

 private:
  void ActualizarContenido() override;
  ui::Boton& boton_;
  std::string caption_;
};

// A label: a static text, large and bold when it is a header's title.
class EtiquetaWin32 final : public ControlWin32 {
 public:
  EtiquetaWin32(Anfitrion& anfitrion, ui::Etiqueta& modelo, int id);
  void Crear(const RECT& rect, const Colocacion& colocacion) override;

 private:
  void ActualizarContenido() override;
  ui::Etiqueta& etiqueta_;
  std::string caption_;
};

// A frame: a group box behind the controls it surrounds.
class MarcoWin32 final : public ControlWin32 {
 public:
  MarcoWin32(Anfitrion& anfitrion, ui::Marco& modelo, int id);
  void Crear(const RECT& rect, const Colocacion& colocacion) override;

 private:
  void ActualizarContenido() override {}
  ui::Marco& marco_;
};

// A text box: an edit control; what the user types reaches the model as typed into it.
class CuadroTextoWin32 final : public ControlWin32 {
 public:
  CuadroTextoWin32(Anfitrion& anfitrion, ui::CuadroTexto& modelo, int id);
  void Crear(const RECT& rect, const Colocacion& colocacion) override;
  void Comando(WORD id, WORD codigo) override;

 private:
  void ActualizarContenido() override;
  ui::CuadroTexto& caja_;
  std::wstring texto_;  // what the window shows
  int bloqueado_ = -1;
  int maximo_ = -1;
};

// A rich text box: a RichEdit 2.0 control holding the model's RTF document.
class TextoEnriquecidoWin32 final : public ControlWin32 {
 public:
  TextoEnriquecidoWin32(Anfitrion& anfitrion, ui::TextoEnriquecido& modelo, int id);
  void Crear(const RECT& rect, const Colocacion& colocacion) override;
  void Comando(WORD id, WORD codigo) override;

 private:
  void ActualizarContenido() override;
  ui::TextoEnriquecido& caja_;
  std::string rtf_;  // the document the window shows
  std::string texto_;
  int bloqueado_ = -1;
};

// A list view in report mode: the model's columns and rows, its sort pictures in the headers.
class VistaListaWin32 final : public ControlWin32 {
 public:
  VistaListaWin32(Anfitrion& anfitrion, ui::VistaLista& modelo, int id);
  void Crear(const RECT& rect, const Colocacion& colocacion) override;
  LRESULT Notificacion(const NMHDR& aviso) override;

 private:
  struct Fila {
    std::vector<std::string> celdas;
    bool seleccionada = false;
    bool operator==(const Fila&) const = default;
  };
  struct Columna {
    std::string texto;
    int ancho = 0;
    std::string icono;
    bool operator==(const Columna&) const = default;
  };
  void ActualizarContenido() override;
  void ActualizarColumnas();
  void ActualizarFilas();
  void Seleccionar(int fila, bool seleccionada);
  ui::VistaLista& lista_;
  ListaImagenes orden_;
  std::vector<Columna> columnas_;
  std::vector<Fila> filas_;
};

// An image combo: a ComboBoxEx listing the model's items, a picture beside each class.
class ComboImagenWin32 final : public ControlWin32 {
 public:
  ComboImagenWin32(Anfitrion& anfitrion, ui::ComboImagen& modelo, int id);
  void Crear(const RECT& rect, const Colocacion& colocacion) override;
  void Comando(WORD id, WORD codigo) override;

 private:
  void ActualizarContenido() override;
  ui::ComboImagen& combo_;
  ListaImagenes imagenes_;
  std::vector<std::string> elementos_;
  int seleccion_ = -2;
};

class BarraProgresoWin32 final : public ControlWin32 {
 public:
  BarraProgresoWin32(Anfitrion& anfitrion, ui::BarraProgreso& modelo, int id);
  void Crear(const RECT& rect, const Colocacion& colocacion) override;

 private:
  void ActualizarContenido() override;
  ui::BarraProgreso& barra_;
  long long minimo_ = -1;
  long long maximo_ = -1;
  long long valor_ = -1;
};

// A tool bar: one button per key of the model, with its picture and its text.
class BarraHerramientasWin32 final : public ControlWin32 {
 public:
  BarraHerramientasWin32(Anfitrion& anfitrion, ui::BarraHerramientas& modelo, int id);
  void Crear(const RECT& rect, const Colocacion& colocacion) override;
  void Comando(WORD id, WORD codigo) override;

 private:
  void ActualizarContenido() override {}
  ui::BarraHerramientas& barra_;
  ListaImagenes imagenes_;
  std::vector<std::wstring> textos_;
};

// A tab control: the model's pages; choosing one runs the model's Click.
class PestanasWin32 final : public ControlWin32 {
 public:
  PestanasWin32(Anfitrion& anfitrion, ui::Pestanas& modelo, int id);
  void Crear(const RECT& rect, const Colocacion& colocacion) override;
  LRESULT Notificacion(const NMHDR& aviso) override;

 private:
  void ActualizarContenido() override;
  ui::Pestanas& pestanas_;
  std::vector<std::string> textos_;
  int seleccion_ = -1;
};

// A timer: a Windows timer of the form's window while the model is enabled.
class TemporizadorWin32 final : public ControlWin32 {
 public:
  TemporizadorWin32(Anfitrion& anfitrion, ui::Temporizador& modelo, int id);
  void Crear(const RECT& rect, const Colocacion& colocacion) override;
  void Temporizador() override;

 private:
  void ActualizarContenido() override;
  ui::Temporizador& temporizador_;
  int intervalo_ = 0;  // of the running timer; 0 while none runs
};

}  // namespace quillora::win32
