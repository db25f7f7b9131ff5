#pragma once

#include <cstdint>
#include <string>

#include "editor/frm_entrada.h"
#include "ui/barra_herramientas.h"
#include "ui/boton.h"
#include "ui/combo_imagen.h"
#include "ui/cuadro_texto.h"
#include "ui/etiqueta.h"
#include "ui/formulario.h"
#include "ui/marco.h"
#include "ui/menu.h"
#include "ui/pestanas.h"
#include "ui/temporizador.h"
#include "ui/vista_lista.h"

namespace quillora {

namespace db {
class Recordset;
}

// The dictionary browser: every entry with its classes, a search by text fragment and classes,
// the entry editor to add or change an entry, and the deletion of entries with their
// alternatives. It works on the database only; the loaded dictionary learns of its changes when
// it is read again.
class frmEntradas : public ui::Formulario {
 public:
  explicit frmEntradas(ui::Servicios& servicios);

  // The entry editor this window opens.
  frmEntrada& EditorEntrada() { return frmEntrada_; }
  // Whether an add or modify request has the editor prepared or open.
  bool GetEditorAbierto() const { return EditorAbierto; }
  // The list that modify and delete act on: the one of the page shown.
  ui::VistaLista& ListaActiva();
  // The query a search runs with the filters as they are.
  std::string ConsultaBusqueda() const;

  ui::Boton mnuFileAddEntry{"mnuFileAddEntry", "Añadir entrada"};
  ui::Boton mnuFileModifyEntry{"mnuFileModifyEntry", "Modificar entrada"};
  ui::Boton mnuFileSep1{"mnuFileSep1", ui::Menu::kSeparador};
  ui::Boton mnuFileDeleteEntry{"mnuFileDeleteEntry", "Eliminar entradas"};
  ui::Boton mnuFileSep2{"mnuFileSep2", ui::Menu::kSeparador};
  ui::Boton mnuFileExit{"mnuFileExit", "Salir"};
  ui::Menu mnuFile{"mnuFile",
                   "Archivo",
                   {&mnuFileAddEntry, &mnuFileModifyEntry, &mnuFileSep1, &mnuFileDeleteEntry,
                    &mnuFileSep2, &mnuFileExit}};
  ui::Boton mnuSearchSearch{"mnuSearchSearch", "Buscar"};
  ui::Boton mnuSeachClearFilters{"mnuSeachClearFilters", "Limpiar filtros"};
  ui::Menu mnuSearch{"mnuSearch", "Búsqueda", {&mnuSearchSearch, &mnuSeachClearFilters}};
  ui::Boton cmEntriesAddEntry{"cmEntriesAddEntry", "Añadir entrada"};
  ui::Boton cmEntriesModifyEntry{"cmEntriesModifyEntry", "Modificar entrada"};
  ui::Boton cmEntriesSep1{"cmEntriesSep1", ui::Menu::kSeparador};
  ui::Boton cmEntriesDeleteEntry{"cmEntriesDeleteEntry", "Eliminar entradas"};
  ui::Menu cmEntries{
      "cmEntries",
      "",
      {&cmEntriesAddEntry, &cmEntriesModifyEntry, &cmEntriesSep1, &cmEntriesDeleteEntry}};
  ui::Boton cmSearchAddEntry{"cmSearchAddEntry", "Añadir entrada"};
  ui::Boton cmSearchModifyEntry{"cmSearchModifyEntry", "Modificar entrada"};
  ui::Boton cmSearchSep1{"cmSearchSep1", ui::Menu::kSeparador};
  ui::Boton cmSearchDeleteEntry{"cmSearchDeleteEntry", "Eliminar entradas"};
  ui::Menu cmSearch{"cmSearch",
                    "",
                    {&cmSearchAddEntry, &cmSearchModifyEntry, &cmSearchSep1, &cmSearchDeleteEntry}};
  ui::BarraHerramientas tlbEntries{"tlbEntries",
                                   {{"tbAddEntry", "Añadir entrada"},
                                    {"tbModifyEntry", "Modificar entrada"},
                                    {"tbDeleteEntry", "Eliminar entrada"},
                                    {"tbSearch", "Buscar entrada"},
                                    {"tbExit", "Salir"}}};
  ui::Marco Frame1{"Frame1", "Filtros"};
  ui::Etiqueta Label1{"Label1", "Entrada"};
  ui::CuadroTexto txtEntrada{"txtEntrada"};
  ui::Etiqueta Label2{"Label2", "Clasificación morfológica"};
  ui::ComboImagen imcMorfologia{"imcMorfologia"};
  ui::Etiqueta Label3{"Label3", "Clasificación sexista"};
  ui::ComboImagen imcSexismo{"imcSexismo"};
  ui::Pestanas TabEntradas{"TabEntradas"};
  ui::VistaLista lvEntradas{"lvEntradas"};
  ui::Etiqueta lbNumeroEntradas{"lbNumeroEntradas", ""};
  ui::VistaLista lvBusqueda{"lvBusqueda"};
  ui::Etiqueta lbNumeroBusqueda{"lbNumeroBusqueda", ""};
  ui::Temporizador TMenu{"TMenu"};

 protected:
  void Form_Load() override;

 private:
  void LimpiarFiltros();
  void ListarEntradas();
  void Buscar();
  void LlenarLista(ui::VistaLista& lista, const std::string& sql, ui::Etiqueta& etiqueta);
  void RefrescarEntrada(std::int32_t id);
  void NuevaEntrada();
  void ModificarSeleccionada(ui::VistaLista& lista);
  void EliminarSeleccionadas(ui::VistaLista& lista);
  void BorrarEntrada(std::int32_t id);
  void BorrarSustitutosDeEntrada(std::int32_t id);
  void Salir();
  void TMenu_Timer();
  void tlbEntries_ButtonClick(const std::string& clave);
  void MostrarMenu(ui::VistaLista& lista, ui::Menu& menu, ui::Boton& modificar, ui::Boton& eliminar,
                   int boton);
  // Both count labels in plain digits, as after an edit or a deletion.
  void ContarSinGrupos();
  // Runs a command under the hourglass.
  template <typename Accion>
  void Comando(Accion&& accion);

  ui::Servicios& servicios_;
  frmEntrada frmEntrada_;
  bool EditorAbierto = false;
};

}  // namespace quillora
