#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "common/office_xp_style.h"
#include "common/ordenar_lista.h"
#include "ui/barra_herramientas.h"
#include "ui/barra_progreso.h"
#include "ui/boton.h"
#include "ui/combo_imagen.h"
#include "ui/cuadro_texto.h"
#include "ui/etiqueta.h"
#include "ui/formulario.h"
#include "ui/marco.h"
#include "ui/menu.h"
#include "ui/pestanas.h"
#include "ui/servicios.h"
#include "ui/temporizador.h"
#include "ui/vista_lista.h"

namespace quillora::win32::prueba {

// A window with one control of each kind, which counts what its handlers were asked to do.
class FormularioPrueba : public ui::Formulario {
 public:
  explicit FormularioPrueba(ui::Servicios& servicios)
      : ui::Formulario("Ventana de prueba"), servicios_(servicios) {
    Registrar({&mnuArchivo, &cmFilas, &tlbHerramientas, &lblTitulo, &txtNombre, &rtfNota, &fraGrupo,
               &imcClase, &tabPaginas, &lvFilas, &rtfVista, &pbAvance, &cmdAnadir, &cmdFallar,
               &tmrReloj});
    cmFilas.SetVisible(false);
    mnuSalir.SetEnabled(false);
    rtfVista.SetLocked(true);
    txtNombre.SetMaxLength(10);
    tabPaginas.Tabs() = {"Primera", "Segunda"};
    lvFilas.ColumnHeaders() = {{"Nombre", 1500, "", comun::kSinOrden},
                               {"Número", 1500, "number", comun::kSinOrden}};
    imcClase.ComboItems() = {{"<Ninguno>", ""}, {"Uno", "1"}, {"Dos", "2"}};
    txtNombre.Change = [this] { ++cambios; };
    cmdAnadir.Click = [this] {
      lvFilas.Add({"fila " + std::to_string(lvFilas.ListItems().size() + 1), {"10"}, "", false});
      lblTitulo.SetCaption("Filas: " + std::to_string(lvFilas.ListItems().size()));
      pbAvance.SetValue(pbAvance.GetValue() + 25);
    };
    cmdFallar.Click = [] { throw std::runtime_error("Algo ha fallado"); };
    lvFilas.ColumnClick = [this](std::size_t columna) { comun::OrdenarLista(lvFilas, columna); };
    lvFilas.DblClick = [this] { ++doblesClics; };
    lvFilas.MouseUp = [this](int boton, std::int32_t, std::int32_t) {
      botones.push_back(boton);
      if (boton == ui::kBotonDerecho) servicios_.MostrarMenu(cmFilas, &cmQuitar);
    };
    tabPaginas.Click = [this] { ++clicsPestanas; };
    tlbHerramientas.ButtonClick = [this](const std::string& clave) { claves.push_back(clave); };
    mnuAbrir.Click = [this] { menus.push_back("Abrir"); };
    cmAnadir.Click = [this] { menus.push_back("Añadir"); };
    cmQuitar.Click = [this] { menus.push_back("Quitar"); };
    tmrReloj.SetInterval(30);
    tmrReloj.Timer = [this] {
      if (++tics == 3) tmrReloj.SetEnabled(false);
    };
  }

  bool permitirCierre = true;
  int cambios = 0;
  int activaciones = 0;
  int negativas = 0;
  int doblesClics = 0;
  int clicsPestanas = 0;
  int tics = 0;
  std::vector<int> botones;
  std::vector<std::string> claves;
  std::vector<std::string> menus;

  ui::Boton mnuAbrir{"mnuAbrir", "Abrir"};
  ui::Boton mnuSep{"mnuSep", ui::Menu::kSeparador};
  ui::Boton mnuSalir{"mnuSalir", "Salir"};
  ui::Menu mnuArchivo{"mnuArchivo", "Archivo", {&mnuAbrir, &mnuSep, &mnuSalir}};
  ui::Boton cmAnadir{"cmAnadir", "Añadir"};
  ui::Boton cmSep{"cmSep", ui::Menu::kSeparador};
  ui::Boton cmQuitar{"cmQuitar", "Quitar"};
  ui::Menu cmFilas{"cmFilas", "", {&cmAnadir, &cmSep, &cmQuitar}};
  ui::BarraHerramientas tlbHerramientas{"tlbHerramientas",
                                        {{"tbAddEntry", "Añadir"}, {"tbSearch", "Buscar"}}};
  ui::Etiqueta lblTitulo{"lblTitulo", "Sin filas"};
  ui::CuadroTexto txtNombre{"txtNombre"};
  ui::TextoEnriquecido rtfNota{"rtfNota"};
  ui::Marco fraGrupo{"fraGrupo", "Grupo"};
  ui::ComboImagen imcClase{"imcClase"};
  ui::Pestanas tabPaginas{"tabPaginas"};
  ui::VistaLista lvFilas{"lvFilas"};
  ui::TextoEnriquecido rtfVista{"rtfVista"};
  ui::BarraProgreso pbAvance{"pbAvance"};
  ui::Boton cmdAnadir{"cmdAnadir", "&Añadir"};
  ui::Boton cmdFallar{"cmdFallar", "&Fallar"};
  ui::Temporizador tmrReloj{"tmrReloj"};

 protected:
  void Form_Load() override { office_xp_style::AplicarEstilo(servicios_.GetVentanas(), *this); }
  void Form_Activate() override { ++activaciones; }
  void Form_QueryUnload(bool& cancel, ui::ModoCierre /*modo*/) override {
    if (permitirCierre) return;
    cancel = true;
    ++negativas;
  }

 private:
  ui::Servicios& servicios_;
};

}  // namespace quillora::win32::prueba
