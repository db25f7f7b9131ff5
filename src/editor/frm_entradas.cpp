#include "editor/frm_entradas.h"

#include <algorithm>

#include "common/numero.h"
#include "common/office_xp_style.h"
#include "common/ordenar_lista.h"
#include "common/patron_busqueda.h"
#include "common/texto_unicode.h"
#include "db/conexion.h"
#include "db/recordset.h"
#include "dictionary/comun.h"
#include "editor/dialogo_bd.h"
#include "ui/servicios.h"
#include "ui/ventanas.h"

namespace quillora {

namespace {

using db::Recordset;
using db::TipoBloqueo;
using db::TipoCursor;

constexpr std::size_t kPaginaEntradas = 0;
constexpr std::size_t kPaginaBusqueda = 1;
constexpr std::int32_t kIntervaloEditor = 100;

// Every entry with the names of its classes, read by sub-selects in one query.
constexpr const char* kConsultaEntradas =
    "Select Entrada.Entrada, Entrada.IdEntrada, (Select Morfologia.Morfologia From Morfologia "
    "Where Entrada.Morfologia = Morfologia.IdMorfologia) as NombreMorfologia , (Select "
    "Sexismo.Sexismo From Sexismo Where Entrada.Sexismo = Sexismo.IdSexismo) as NombreSexismo "
    "From Entrada";

void ActualizarFila(ui::VistaLista::Fila& fila, Recordset& registro) {
  fila.Text = editor::TextoRecortado(registro, "Entrada");
  fila.Tag =
      std::to_string(db::Entero32(registro.Fields("idEntrada").GetValue(), "IdEntrada").value());
  fila.SubItems = {editor::TextoRecortado(registro, "NombreMorfologia"),
                   editor::TextoRecortado(registro, "NombreSexismo")};
}

void AgregarFila(ui::VistaLista& lista, Recordset& registro) {
  ui::VistaLista::Fila fila;
  ActualizarFila(fila, registro);
  lista.Add(std::move(fila));
}

// Rewrites the entry's row; answers whether the list had one.
bool ActualizarEn(ui::VistaLista& lista, std::int32_t id, Recordset& registro) {
  const auto posicion = editor::BuscarFila(lista, id);
  if (!posicion) return false;
  ActualizarFila(lista.ListItems()[*posicion], registro);
  lista.Refresh();
  return true;
}

void QuitarFila(ui::VistaLista& lista, std::int32_t id) {
  if (const auto posicion = editor::BuscarFila(lista, id)) lista.Remove(*posicion);
}

// The key of the first selected row, or none.
std::optional<std::int32_t> Seleccionada(ui::VistaLista& lista) {
  for (const auto& fila : lista.ListItems()) {
    if (fila.Selected) return std::stoi(fila.Tag);
  }
  return std::nullopt;
}

// The class of a filter as a number for the query; none for "<Ninguno>" or no selected item.
std::optional<std::int64_t> Filtro(const ui::ComboImagen& combo, std::string_view nombre) {
  if (combo.Seleccionado() == nullptr) return std::nullopt;
  const auto clase = editor::ClaseElegida(combo, nombre);
  if (db::EsNulo(clase)) return std::nullopt;
  return std::get<std::int64_t>(clase);
}

}  // namespace

frmEntradas::frmEntradas(ui::Servicios& servicios)
    : ui::Formulario("Quillora"), servicios_(servicios), frmEntrada_(servicios) {
  Registrar({&mnuFile, &mnuSearch, &cmEntries, &cmSearch, &tlbEntries, &Frame1, &Label1,
             &txtEntrada, &Label2, &imcMorfologia, &Label3, &imcSexismo, &TabEntradas, &lvEntradas,
             &lbNumeroEntradas, &lvBusqueda, &lbNumeroBusqueda, &TMenu});
  cmEntries.SetVisible(false);
  cmSearch.SetVisible(false);
  TabEntradas.Tabs() = {"Entradas", "Búsqueda"};
  for (auto* lista : {&lvEntradas, &lvBusqueda}) {
    lista->ColumnHeaders() = {{"Entrada", 3000, "", comun::kSinOrden},
                              {"Clasificación morfológica", 2500, "", comun::kSinOrden},
                              {"Clasificación sexista", 2500, "", comun::kSinOrden}};
    lista->ColumnClick = [this, lista](std::size_t columna) {
      Comando([lista, columna] { comun::OrdenarLista(*lista, columna); });
    };
    lista->DblClick = [this] { Comando([this] { ModificarSeleccionada(ListaActiva()); }); };
  }
  TMenu.SetInterval(kIntervaloEditor);
  TMenu.Timer = [this] { TMenu_Timer(); };

  for (auto* anadir : {&mnuFileAddEntry, &cmEntriesAddEntry, &cmSearchAddEntry}) {
    anadir->Click = [this] { Comando([this] { NuevaEntrada(); }); };
  }
  for (auto* modificar : {&mnuFileModifyEntry, &cmEntriesModifyEntry, &cmSearchModifyEntry}) {
    modificar->Click = [this] { Comando([this] { ModificarSeleccionada(ListaActiva()); }); };
  }
  for (auto* eliminar : {&mnuFileDeleteEntry, &cmEntriesDeleteEntry, &cmSearchDeleteEntry}) {
    eliminar->Click = [this] { Comando([this] { EliminarSeleccionadas(ListaActiva()); }); };
  }
  mnuSearchSearch.Click = [this] { Comando([this] { Buscar(); }); };
  mnuSeachClearFilters.Click = [this] { Comando([this] { LimpiarFiltros(); }); };
  mnuFileExit.Click = [this] { Salir(); };
  tlbEntries.ButtonClick = [this](const std::string& clave) { tlbEntries_ButtonClick(clave); };
  lvEntradas.MouseUp = [this](int boton, std::int32_t, std::int32_t) {
    MostrarMenu(lvEntradas, cmEntries, cmEntriesModifyEntry, cmEntriesDeleteEntry, boton);
  };
  lvBusqueda.MouseUp = [this](int boton, std::int32_t, std::int32_t) {
    MostrarMenu(lvBusqueda, cmSearch, cmSearchModifyEntry, cmSearchDeleteEntry, boton);
  };
}

template <typename Accion>
void frmEntradas::Comando(Accion&& accion) {
  SetMousePointer(ui::Puntero::RelojDeArena);
  accion();
  SetMousePointer(ui::Puntero::Predeterminado);
}

ui::VistaLista& frmEntradas::ListaActiva() {
  return TabEntradas.GetSelectedItem() == kPaginaBusqueda ? lvBusqueda : lvEntradas;
}

void frmEntradas::Form_Load() {
  office_xp_style::AplicarEstilo(servicios_.GetVentanas(), *this);
  // A window loaded again starts as a new one: no rows, no request pending.
  EditorAbierto = false;
  TMenu.SetEnabled(false);
  editor::ListaNueva(lvEntradas);
  editor::ListaNueva(lvBusqueda);
  editor::Atrapando(servicios_, [&] {
    comun::Conectar();
    editor::LlenarComboSexismos(imcSexismo);
    editor::LlenarComboMorfologias(imcMorfologia);
    comun::Desconectar();
    ContarSinGrupos();
    comun::OrdenarLista(lvBusqueda, 0);
    comun::OrdenarLista(lvEntradas, 0);
    LimpiarFiltros();
    ListarEntradas();
    TabEntradas.SetSelectedItem(kPaginaEntradas);
  });
  EditorAbierto = false;
}

void frmEntradas::LimpiarFiltros() {
  txtEntrada.SetText("");
  editor::ElegirNinguno(imcMorfologia);
  editor::ElegirNinguno(imcSexismo);
}

void frmEntradas::ListarEntradas() {
  const auto puntero = GetMousePointer();
  SetMousePointer(ui::Puntero::RelojDeArena);
  LlenarLista(lvEntradas, kConsultaEntradas, lbNumeroEntradas);
  SetMousePointer(puntero);
}

std::string frmEntradas::ConsultaBusqueda() const {
  std::string condicion;
  const auto anadir = [&](const std::string& parte) {
    condicion += (condicion.empty() ? " Where " : " and ") + parte;
  };
  const auto& texto = txtEntrada.GetText();
  if (!texto::SinBlancosExteriores(texto).empty()) {
    anadir(" Entrada.Entrada Like '%" + comun::PatronBusqueda(texto) + "%'");
  }
  if (const auto morfologia = Filtro(imcMorfologia, "la clasificación morfológica")) {
    anadir(" Entrada.Morfologia = " + std::to_string(*morfologia));
  }
  if (const auto sexismo = Filtro(imcSexismo, "la clasificación sexista")) {
    anadir(" Entrada.Sexismo = " + std::to_string(*sexismo));
  }
  return std::string(kConsultaEntradas) + " " + condicion;
}

void frmEntradas::Buscar() {
  LlenarLista(lvBusqueda, ConsultaBusqueda(), lbNumeroBusqueda);
  TabEntradas.SetSelectedItem(kPaginaBusqueda);
}

void frmEntradas::LlenarLista(ui::VistaLista& lista, const std::string& sql,
                              ui::Etiqueta& etiqueta) {
  editor::Atrapando(servicios_, [&] {
    comun::Conectar();
    Recordset registro;
    editor::Abrir(registro, sql, TipoCursor::SoloAvance, TipoBloqueo::Optimista);
    lista.Clear();
    for (; !registro.GetEOF(); registro.MoveNext()) AgregarFila(lista, registro);
    registro.Close();
    const auto filas = static_cast<std::int64_t>(lista.ListItems().size());
    etiqueta.SetCaption(
        editor::Elementos(comun::FormatoMiles(filas, servicios_.GetSeparadorMiles())));
    comun::Desconectar();
  });
}

void frmEntradas::ContarSinGrupos() {
  lbNumeroEntradas.SetCaption(editor::Elementos(std::to_string(lvEntradas.ListItems().size())));
  lbNumeroBusqueda.SetCaption(editor::Elementos(std::to_string(lvBusqueda.ListItems().size())));
}

void frmEntradas::RefrescarEntrada(std::int32_t id) {
  editor::Atrapando(servicios_, [&] {
    comun::Conectar();
    Recordset registro;
    editor::Abrir(registro, editor::ConsultaEntrada(id), TipoCursor::SoloAvance,
                  TipoBloqueo::Optimista);
    if (!registro.GetEOF()) {
      if (TabEntradas.GetSelectedItem() == kPaginaBusqueda) {
        if (!ActualizarEn(lvBusqueda, id, registro)) AgregarFila(lvBusqueda, registro);
        if (!ActualizarEn(lvEntradas, id, registro)) AgregarFila(lvEntradas, registro);
      } else if (ActualizarEn(lvEntradas, id, registro)) {
        ActualizarEn(lvBusqueda, id, registro);
      } else {
        AgregarFila(lvEntradas, registro);
      }
    }
    registro.Close();
    ContarSinGrupos();
    comun::Desconectar();
  });
}

void frmEntradas::NuevaEntrada() {
  if (EditorAbierto) return;
  EditorAbierto = true;
  frmEntrada_.Load();
  frmEntrada_.Cargar();
  TMenu.SetEnabled(true);
}

void frmEntradas::ModificarSeleccionada(ui::VistaLista& lista) {
  const auto id = Seleccionada(lista);
  if (!id) {
    editor::Avisar(servicios_, "Tiene que seleccionar algún elemento");
    return;
  }
  if (EditorAbierto) return;
  EditorAbierto = true;
  const bool preparado = editor::Atrapando(servicios_, [&] {
    frmEntrada_.Load();
    frmEntrada_.SetIdEntry(*id);
    frmEntrada_.Cargar();
    TMenu.SetEnabled(true);
  });
  // A request that failed leaves nothing pending.
  if (!preparado) EditorAbierto = false;
}

void frmEntradas::TMenu_Timer() {
  editor::Atrapando(servicios_, [&] {
    TMenu.SetEnabled(false);
    auto& ventanas = servicios_.GetVentanas();
    ventanas.SetWindowPos(ventanas.HwndDe(frmEntrada_), ui::kHwndNoTopMost, 0, 0, 0, 0,
                          ui::kSwpNoSize | ui::kSwpNoMove);
    servicios_.MostrarModal(frmEntrada_);
    if (frmEntrada_.GetBOk()) RefrescarEntrada(frmEntrada_.GetIdEntry());
  });
  // Also after an error: otherwise no editor could be opened again until the window reloads.
  EditorAbierto = false;
}

void frmEntradas::EliminarSeleccionadas(ui::VistaLista& lista) {
  if (!editor::ConfirmarEliminacion(servicios_, lista, "Tiene que seleccionar algún elemento")) {
    return;
  }
  editor::Atrapando(servicios_, [&] {
    comun::Conectar();
    editor::BorrarSeleccionadas(lista, [this](std::int32_t id) {
      BorrarEntrada(id);
      QuitarFila(lvBusqueda, id);
      QuitarFila(lvEntradas, id);
    });
    comun::Desconectar();
  });
  ContarSinGrupos();
}

// The entry and its alternatives go together or not at all.
void frmEntradas::BorrarEntrada(std::int32_t id) {
  auto& conexion = *comun::Conexion();
  conexion.BeginTrans();
  try {
    BorrarSustitutosDeEntrada(id);
    conexion.Execute("Delete * from Entrada Where IdEntrada = " + std::to_string(id));
    conexion.CommitTrans();
  } catch (...) {
    conexion.RollbackTrans();
    throw;
  }
}

void frmEntradas::BorrarSustitutosDeEntrada(std::int32_t id) {
  comun::Conexion()->Execute("Delete * from Sustituto Where Entrada = " + std::to_string(id));
}

void frmEntradas::Salir() { Unload(ui::ModoCierre::Codigo); }

void frmEntradas::tlbEntries_ButtonClick(const std::string& clave) {
  SetMousePointer(ui::Puntero::RelojDeArena);
  if (clave == "tbAddEntry") NuevaEntrada();
  if (clave == "tbDeleteEntry") EliminarSeleccionadas(ListaActiva());
  if (clave == "tbModifyEntry") ModificarSeleccionada(ListaActiva());
  if (clave == "tbSearch") mnuSearchSearch.Pulsar();
  if (clave == "tbExit") return Salir();
  SetMousePointer(ui::Puntero::Predeterminado);
}

void frmEntradas::MostrarMenu(ui::VistaLista& lista, ui::Menu& menu, ui::Boton& modificar,
                              ui::Boton& eliminar, int boton) {
  if (boton != ui::kBotonDerecho || EditorAbierto) return;
  const bool seleccion = editor::HaySeleccion(lista);
  modificar.SetEnabled(seleccion);
  eliminar.SetEnabled(seleccion);
  servicios_.MostrarMenu(menu, &modificar);
}

}  // namespace quillora
