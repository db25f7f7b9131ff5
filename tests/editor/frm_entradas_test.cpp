// The dictionary browser over a real dictionary database, on every engine.
#include "editor/frm_entradas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "editor_prueba.h"
#include "ui/ventanas.h"

namespace quillora {
namespace {

using S = std::vector<std::string>;

// Every entry with the names of its classes: the listing, and the head of every search.
constexpr const char* kListado =
    "Select Entrada.Entrada, Entrada.IdEntrada, (Select Morfologia.Morfologia From Morfologia "
    "Where Entrada.Morfologia = Morfologia.IdMorfologia) as NombreMorfologia , (Select "
    "Sexismo.Sexismo From Sexismo Where Entrada.Sexismo = Sexismo.IdSexismo) as NombreSexismo "
    "From Entrada";

constexpr const char* kSeleccion = "Tiene que seleccionar algún elemento";
constexpr const char* kPregunta = "¿Está seguro de que desea eliminar los elementos seleccionados?";

class FrmEntradasTest : public prueba::PruebaEditor {
 protected:
  void Clases() {
    Sql("Insert Into Morfologia Values (1, 'Sustantivo', NULL), (2, 'adjetivo', NULL), "
        "(3, 'Expresión', NULL)");
    Sql("Insert Into Sexismo Values (3, 'Masculino genérico', NULL), "
        "(4, 'Androcentrismo', NULL), (5, 'Ámbito doméstico', NULL)");
  }

  void Buscar(const std::string& texto) {
    navegador.txtEntrada.Escribir(texto);
    navegador.mnuSearchSearch.Pulsar();
  }

  // Right button let go over the list.
  static void ClicDerecho(ui::VistaLista& lista) { lista.MouseUp(ui::kBotonDerecho, 10, 10); }

  // The editor, once the timer shows it, writes this name and closes with this button.
  void AlMostrarEditor(std::string nombre, bool aceptar = true) {
    servicios.alMostrar = [this, nombre, aceptar](ui::Formulario& mostrada) {
      ++mostrados;
      auto& editor = dynamic_cast<frmEntrada&>(mostrada);
      editor.txtEntrada.Escribir(nombre);
      (aceptar ? editor.cmdAceptar : editor.cmdCancelar).Pulsar();
    };
  }

  S Entradas() { return Columna("Select Entrada from Entrada Order By IdEntrada", "Entrada"); }
  S Sustitutos() {
    return Columna("Select Sustituto from Sustituto Order By IdSustituto", "Sustituto");
  }

  frmEntradas navegador{servicios};
  int mostrados = 0;
};

TEST_P(FrmEntradasTest, AnEmptyDictionaryShowsEmptyListsAndOnlyNoClass) {
  navegador.Load();
  EXPECT_TRUE(Mensajes().empty());
  for (auto* lista : {&navegador.lvEntradas, &navegador.lvBusqueda}) {
    EXPECT_TRUE(lista->ListItems().empty());
    EXPECT_EQ(Iconos(*lista), (S{"Ascending", "NoSort", "NoSort"}));
  }
  EXPECT_EQ(navegador.lbNumeroEntradas.GetCaption(), "0 elementos");
  EXPECT_EQ(navegador.lbNumeroBusqueda.GetCaption(), "0 elementos");
  for (auto* combo : {&navegador.imcMorfologia, &navegador.imcSexismo}) {
    EXPECT_EQ(Textos(*combo), S{"<Ninguno>"});
    EXPECT_EQ(combo->GetSelectedItem(), 0u);
  }
  EXPECT_EQ(navegador.TabEntradas.GetSelectedItem(), 0u);
  EXPECT_FALSE(navegador.GetEditorAbierto());
  EXPECT_FALSE(navegador.TMenu.GetEnabled());

  // Nothing selected: only "Añadir entrada" is offered, and modify and delete say so.
  ClicDerecho(navegador.lvEntradas);
  ASSERT_EQ(servicios.menus.size(), 1u);
  EXPECT_EQ(servicios.menus[0].nombre, "cmEntries");
  EXPECT_EQ(servicios.menus[0].predeterminado, "cmEntriesModifyEntry");
  EXPECT_EQ(servicios.menus[0].habilitadas, S{"cmEntriesAddEntry"});
  navegador.mnuFileModifyEntry.Pulsar();
  navegador.mnuFileDeleteEntry.Pulsar();
  navegador.tlbEntries.Pulsar("tbModifyEntry");
  navegador.tlbEntries.Pulsar("tbDeleteEntry");
  navegador.lvEntradas.DblClick();
  EXPECT_EQ(Mensajes(), S(5, kSeleccion));
  EXPECT_EQ(servicios.mensajes[0].icono, ui::Icono::Exclamacion);
  EXPECT_EQ(servicios.mensajes[0].titulo, "Quillora");
  EXPECT_FALSE(navegador.GetEditorAbierto());
  EXPECT_EQ(navegador.GetMousePointer(), ui::Puntero::Predeterminado);

  // With no filter a search is the listing followed by one blank.
  EXPECT_EQ(navegador.ConsultaBusqueda(), std::string(kListado) + " ");
  navegador.tlbEntries.Pulsar("tbSearch");
  EXPECT_EQ(navegador.TabEntradas.GetSelectedItem(), 1u);
  EXPECT_EQ(navegador.lbNumeroBusqueda.GetCaption(), "0 elementos");
  EXPECT_EQ(Mensajes().size(), 5u);

  navegador.tlbEntries.Pulsar("tbExit");
  EXPECT_FALSE(navegador.GetCargado());
}

TEST_P(FrmEntradasTest, ListsEveryEntryInSpanishOrderWithItsClassNames) {
  Clases();
  const auto zona = Entrada("Zona", 1, 3);
  Entrada("zapato");
  Entrada("abad", 2, 99);  // no sexism class has the key 99
  const auto abaco = Entrada("  Ábaco ", 3, 5);
  navegador.Load();
  auto& lista = navegador.lvEntradas;
  EXPECT_EQ(Textos(lista), (S{"Ábaco", "abad", "zapato", "Zona"}));
  EXPECT_EQ(Textos(lista, 1), (S{"Expresión", "adjetivo", "", "Sustantivo"}));
  EXPECT_EQ(Textos(lista, 2), (S{"Ámbito doméstico", "", "", "Masculino genérico"}));
  EXPECT_EQ(lista.ListItems().front().Tag, std::to_string(abaco));
  EXPECT_EQ(lista.ListItems().back().Tag, std::to_string(zona));
  EXPECT_EQ(navegador.lbNumeroEntradas.GetCaption(), "4 elementos");
  EXPECT_TRUE(navegador.lvBusqueda.ListItems().empty());
  EXPECT_EQ(Textos(navegador.imcMorfologia),
            (S{"<Ninguno>", "adjetivo", "Expresión", "Sustantivo"}));
  EXPECT_EQ(Textos(navegador.imcSexismo),
            (S{"<Ninguno>", "Ámbito doméstico", "Androcentrismo", "Masculino genérico"}));
  EXPECT_EQ(navegador.imcSexismo.ComboItems()[1].Tag, "5");
  EXPECT_EQ(navegador.imcMorfologia.GetText(), "<Ninguno>");

  // Clicking headers: the first column turns descending; another column starts ascending.
  lista.ColumnClick(0);
  EXPECT_EQ(Iconos(lista), (S{"Descending", "NoSort", "NoSort"}));
  EXPECT_EQ(Textos(lista), (S{"Zona", "zapato", "abad", "Ábaco"}));
  lista.ColumnClick(2);
  EXPECT_EQ(Iconos(lista), (S{"NoSort", "NoSort", "Ascending"}));
  EXPECT_EQ(Textos(lista, 2), (S{"", "", "Ámbito doméstico", "Masculino genérico"}));
  lista.ColumnClick(2);
  EXPECT_EQ(Iconos(lista), (S{"NoSort", "NoSort", "Descending"}));
  EXPECT_EQ(Textos(lista, 2), (S{"Masculino genérico", "Ámbito doméstico", "", ""}));
  lista.ColumnClick(1);
  EXPECT_EQ(Iconos(lista), (S{"NoSort", "Ascending", "NoSort"}));
  EXPECT_EQ(Textos(lista), (S{"zapato", "abad", "Ábaco", "Zona"}));
  EXPECT_EQ(Iconos(navegador.lvBusqueda), (S{"Ascending", "NoSort", "NoSort"}));
  EXPECT_EQ(navegador.GetMousePointer(), ui::Puntero::Predeterminado);
  EXPECT_TRUE(Mensajes().empty());
}

TEST_P(FrmEntradasTest, SearchFindsFragmentsWhateverTheirAccentsWithWildcardsAndClasses) {
  Clases();
  Entrada("padre", 1, 3);
  Entrada("PÁDRE DE FAMILIA", 3, 4);
  Entrada("compadre", 1, 3);
  Entrada("Padrísimo", 2, 3);
  Entrada("madre", 1, 3);
  Entrada("el padre de todos", 3, 4);
  Entrada("O'Donnell");
  navegador.Load();

  navegador.txtEntrada.Escribir("padre");
  Elegir(navegador.imcSexismo, "Masculino genérico");
  EXPECT_EQ(navegador.ConsultaBusqueda(),
            std::string(kListado) +
                "  Where  Entrada.Entrada Like '%p[aáà]dr[eéè]%' and  Entrada.Sexismo = 3");
  navegador.mnuSearchSearch.Pulsar();
  EXPECT_EQ(navegador.TabEntradas.GetSelectedItem(), 1u);
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"compadre", "padre"}));
  EXPECT_EQ(navegador.lbNumeroBusqueda.GetCaption(), "2 elementos");
  EXPECT_EQ(navegador.lbNumeroEntradas.GetCaption(), "7 elementos");

  Elegir(navegador.imcSexismo, "<Ninguno>");
  const S padres{"compadre", "el padre de todos", "padre", "PÁDRE DE FAMILIA"};
  for (const auto* texto : {"padre", "pádre", "PADRE", "Pàdre"}) {
    Buscar(texto);
    EXPECT_EQ(Textos(navegador.lvBusqueda), padres) << texto;
  }
  Buscar("p?dr");
  EXPECT_EQ(Textos(navegador.lvBusqueda),
            (S{"compadre", "el padre de todos", "padre", "PÁDRE DE FAMILIA", "Padrísimo"}));
  Buscar("m*dre");
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"compadre", "madre"}));
  Buscar(" padre ");  // the blanks are part of the fragment
  EXPECT_EQ(Textos(navegador.lvBusqueda), S{"el padre de todos"});
  Buscar("o'd");
  EXPECT_EQ(Textos(navegador.lvBusqueda), S{"O'Donnell"});

  // A blank text is no filter; a class alone is.
  navegador.txtEntrada.Escribir("   ");
  Elegir(navegador.imcMorfologia, "Expresión");
  EXPECT_EQ(navegador.ConsultaBusqueda(),
            std::string(kListado) + "  Where  Entrada.Morfologia = 3");
  navegador.tlbEntries.Pulsar("tbSearch");
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"el padre de todos", "PÁDRE DE FAMILIA"}));
  EXPECT_EQ(Textos(navegador.lvBusqueda, 2), (S{"Androcentrismo", "Androcentrismo"}));

  navegador.mnuSeachClearFilters.Pulsar();
  EXPECT_EQ(navegador.txtEntrada.GetText(), "");
  EXPECT_EQ(navegador.imcMorfologia.GetText(), "<Ninguno>");
  EXPECT_EQ(navegador.imcSexismo.GetText(), "<Ninguno>");
  navegador.TabEntradas.SetSelectedItem(0);
  navegador.mnuSearchSearch.Pulsar();
  EXPECT_EQ(navegador.TabEntradas.GetSelectedItem(), 1u);
  EXPECT_EQ(navegador.lvBusqueda.ListItems().size(), 7u);

  // A combo with no item chosen filters nothing either.
  Buscar("madre");
  navegador.imcMorfologia.SetSelectedItem(std::nullopt);
  navegador.imcSexismo.SetSelectedItem(std::nullopt);
  Buscar("");
  EXPECT_EQ(navegador.lvBusqueda.ListItems().size(), 7u);
  EXPECT_EQ(navegador.lbNumeroBusqueda.GetCaption(), "7 elementos");
  EXPECT_EQ(navegador.lvEntradas.ListItems().size(), 7u);
  EXPECT_TRUE(Mensajes().empty());
}

TEST_P(FrmEntradasTest, CountsGroupThousandsAfterAListingButNotAfterAnEdit) {
  std::string filas;
  for (int i = 1; i <= 1234; ++i) {
    char nombre[32];
    std::snprintf(nombre, sizeof nombre, "('entrada %04d')", i);
    filas += (filas.empty() ? "" : ", ") + std::string(nombre);
  }
  Sql("Insert Into Entrada (Entrada) Values " + filas);
  servicios.separadorMiles = ".";
  navegador.Load();
  EXPECT_EQ(navegador.lbNumeroEntradas.GetCaption(), "1.234 elementos");
  navegador.mnuSearchSearch.Pulsar();
  EXPECT_EQ(navegador.lbNumeroBusqueda.GetCaption(), "1.234 elementos");

  Seleccionar(navegador.lvBusqueda, {"entrada 0001"});
  servicios.respuestas = {ui::Respuesta::Si};
  navegador.mnuFileDeleteEntry.Pulsar();
  EXPECT_EQ(navegador.lbNumeroEntradas.GetCaption(), "1233 elementos");
  EXPECT_EQ(navegador.lbNumeroBusqueda.GetCaption(), "1233 elementos");

  AlMostrarEditor("entrada 9999");
  navegador.mnuFileAddEntry.Pulsar();
  navegador.TMenu.Disparar();
  EXPECT_EQ(navegador.lbNumeroEntradas.GetCaption(), "1234 elementos");
  EXPECT_EQ(navegador.lbNumeroBusqueda.GetCaption(), "1234 elementos");
  EXPECT_EQ(Filas("Entrada"), 1234);
  EXPECT_EQ(Mensajes(), S{kPregunta});
}

TEST_P(FrmEntradasTest, DeletesTheSelectedEntriesWithTheirAlternativesAfterYes) {
  S nombres{"abuelo", "hermano", "hijo", "padre", "tío"};
  for (const auto& nombre : nombres) {
    const auto id = Entrada(nombre);
    Sustituto(id, nombre + " 1");
    Sustituto(id, nombre + " 2");
  }
  navegador.Load();
  navegador.mnuSearchSearch.Pulsar();
  navegador.TabEntradas.SetSelectedItem(0);
  Seleccionar(navegador.lvEntradas, {"abuelo", "hermano", "hijo"});

  // Only the list of the page shown counts.
  navegador.TabEntradas.SetSelectedItem(1);
  navegador.mnuFileDeleteEntry.Pulsar();
  EXPECT_EQ(Mensajes(), S{kSeleccion});
  navegador.TabEntradas.SetSelectedItem(0);

  ClicDerecho(navegador.lvEntradas);
  ASSERT_EQ(servicios.menus.size(), 1u);
  EXPECT_EQ(servicios.menus[0].habilitadas,
            (S{"cmEntriesAddEntry", "cmEntriesModifyEntry", "cmEntriesDeleteEntry"}));
  servicios.respuestas = {ui::Respuesta::No, ui::Respuesta::Si};
  navegador.cmEntriesDeleteEntry.Pulsar();
  EXPECT_EQ(Textos(navegador.lvEntradas), nombres);
  EXPECT_EQ(Textos(navegador.lvBusqueda), nombres);
  EXPECT_EQ(Filas("Entrada"), 5);
  EXPECT_EQ(Filas("Sustituto"), 10);

  navegador.cmEntriesDeleteEntry.Pulsar();
  EXPECT_EQ(Textos(navegador.lvEntradas), (S{"padre", "tío"}));
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"padre", "tío"}));
  EXPECT_EQ(Entradas(), (S{"padre", "tío"}));
  EXPECT_EQ(Sustitutos(), (S{"padre 1", "padre 2", "tío 1", "tío 2"}));
  EXPECT_EQ(navegador.lbNumeroEntradas.GetCaption(), "2 elementos");
  EXPECT_EQ(navegador.lbNumeroBusqueda.GetCaption(), "2 elementos");
  EXPECT_EQ(Mensajes(), (S{kSeleccion, kPregunta, kPregunta}));
  EXPECT_EQ(servicios.mensajes[1].icono, ui::Icono::Pregunta);
  EXPECT_EQ(servicios.mensajes[1].botones, ui::Botones::SiNo);
  EXPECT_EQ(servicios.mensajes[1].titulo, "Quillora");
}

TEST_P(FrmEntradasTest, AnEntryThatCannotBeDeletedKeepsItsAlternatives) {
  // The database refuses to delete one entry.
  if (Bd().GetMotor() == db::Motor::PostgreSQL) {
    Sql("CREATE FUNCTION EntradaBloqueada() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN IF "
        "OLD.Entrada = 'bloqueada' THEN RAISE EXCEPTION 'La entrada está bloqueada'; END IF; "
        "RETURN OLD; END $$");
    Sql("CREATE TRIGGER EntradaBloqueada BEFORE DELETE ON Entrada FOR EACH ROW EXECUTE "
        "FUNCTION EntradaBloqueada()");
  } else {
    Sql("CREATE TRIGGER EntradaBloqueada BEFORE DELETE ON Entrada WHEN old.Entrada = "
        "'bloqueada' BEGIN SELECT RAISE(ABORT, 'La entrada está bloqueada'); END");
  }
  for (const auto* nombre : {"antes", "bloqueada", "después"}) {
    const auto id = Entrada(nombre);
    Sustituto(id, std::string(nombre) + " 1");
  }
  navegador.Load();
  Seleccionar(navegador.lvEntradas, {"antes", "bloqueada", "después"});
  servicios.respuestas = {ui::Respuesta::Si};
  navegador.tlbEntries.Pulsar("tbDeleteEntry");

  // The deletion stops at the error, which is shown; what was deleted before stays deleted.
  ASSERT_EQ(servicios.mensajes.size(), 2u);
  EXPECT_NE(servicios.mensajes[1].texto.find("La entrada está bloqueada"), std::string::npos)
      << servicios.mensajes[1].texto;
  EXPECT_EQ(servicios.mensajes[1].icono, ui::Icono::Exclamacion);
  EXPECT_EQ(Entradas(), (S{"bloqueada", "después"}));
  EXPECT_EQ(Sustitutos(), (S{"bloqueada 1", "después 1"}));
  EXPECT_EQ(Textos(navegador.lvEntradas), (S{"bloqueada", "después"}));
  EXPECT_EQ(navegador.GetMousePointer(), ui::Puntero::Predeterminado);
}

TEST_P(FrmEntradasTest, TheTimerShowsTheEditorAndANewEntryJoinsTheListOfThePageShown) {
  Clases();
  Entrada("padre", 1, 3);
  Entrada("madre", 1, 3);
  navegador.Load();
  AlMostrarEditor("tío");

  // The request only prepares the editor; a second one while it waits changes nothing.
  navegador.mnuFileAddEntry.Pulsar();
  auto& editor = navegador.EditorEntrada();
  EXPECT_TRUE(navegador.GetEditorAbierto());
  EXPECT_TRUE(navegador.TMenu.GetEnabled());
  EXPECT_EQ(navegador.TMenu.GetInterval(), 100);
  EXPECT_TRUE(editor.GetCargado());
  EXPECT_EQ(editor.GetIdEntry(), -1);
  EXPECT_EQ(mostrados, 0);
  editor.txtEntrada.Escribir("a medio escribir");
  navegador.tlbEntries.Pulsar("tbAddEntry");
  Seleccionar(navegador.lvEntradas, {"padre"});
  navegador.lvEntradas.DblClick();
  EXPECT_EQ(editor.txtEntrada.GetText(), "a medio escribir");
  EXPECT_EQ(editor.GetIdEntry(), -1);
  ClicDerecho(navegador.lvEntradas);
  EXPECT_TRUE(servicios.menus.empty());
  Seleccionar(navegador.lvEntradas, {});

  navegador.TMenu.Disparar();
  EXPECT_EQ(mostrados, 1);
  EXPECT_FALSE(navegador.TMenu.GetEnabled());
  EXPECT_FALSE(navegador.GetEditorAbierto());
  EXPECT_EQ(Textos(navegador.lvEntradas), (S{"madre", "padre", "tío"}));
  EXPECT_EQ(Textos(navegador.lvEntradas, 1), (S{"Sustantivo", "Sustantivo", ""}));
  EXPECT_TRUE(navegador.lvBusqueda.ListItems().empty());
  EXPECT_EQ(navegador.lbNumeroEntradas.GetCaption(), "3 elementos");
  EXPECT_EQ(navegador.lbNumeroBusqueda.GetCaption(), "0 elementos");
  const auto hwnd = servicios.ventanas.HwndDe(editor);
  EXPECT_TRUE(std::ranges::any_of(servicios.ventanas.LlamadasPosicion(), [&](const auto& llamada) {
    return llamada.hwnd == hwnd && llamada.insertarDespues == ui::kHwndNoTopMost &&
           llamada.flags == (ui::kSwpNoSize | ui::kSwpNoMove);
  }));
  navegador.TMenu.Disparar();  // one tick per request
  EXPECT_EQ(mostrados, 1);

  // On the results page the new entry joins both lists, matching the search or not.
  Buscar("padre");
  EXPECT_EQ(Textos(navegador.lvBusqueda), S{"padre"});
  AlMostrarEditor("sobrino");
  servicios.alMostrarMenu = [&](ui::Menu& menu) {
    EXPECT_EQ(menu.GetName(), "cmSearch");
    navegador.cmSearchAddEntry.Pulsar();
  };
  ClicDerecho(navegador.lvBusqueda);
  navegador.TMenu.Disparar();
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"padre", "sobrino"}));
  EXPECT_EQ(Textos(navegador.lvEntradas), (S{"madre", "padre", "sobrino", "tío"}));
  EXPECT_EQ(navegador.lbNumeroEntradas.GetCaption(), "4 elementos");
  EXPECT_EQ(navegador.lbNumeroBusqueda.GetCaption(), "2 elementos");

  // Cancelled without applying: nothing changes.
  AlMostrarEditor("nadie", false);
  navegador.mnuFileAddEntry.Pulsar();
  navegador.TMenu.Disparar();
  EXPECT_EQ(mostrados, 3);
  EXPECT_EQ(navegador.lvEntradas.ListItems().size(), 4u);
  EXPECT_EQ(navegador.lvBusqueda.ListItems().size(), 2u);
  EXPECT_EQ(Entradas(), (S{"padre", "madre", "tío", "sobrino"}));
  EXPECT_TRUE(Mensajes().empty());
}

TEST_P(FrmEntradasTest, ModifyOpensTheSelectedEntryOfTheListShown) {
  Clases();
  const auto padre = Entrada("padre", 1, 3);
  const auto madre = Entrada("madre", 1, 3);
  Entrada("hijo", 1, 3);
  navegador.Load();
  Buscar("adre");
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"madre", "padre"}));

  // From the entries page: the row is rewritten in both lists.
  navegador.TabEntradas.SetSelectedItem(0);
  Seleccionar(navegador.lvEntradas, {"padre"});
  servicios.alMostrar = [&](ui::Formulario& mostrada) {
    auto& editor = dynamic_cast<frmEntrada&>(mostrada);
    EXPECT_EQ(editor.GetIdEntry(), padre);
    EXPECT_EQ(editor.txtEntrada.GetText(), "padre");
    editor.txtEntrada.Escribir("progenitor");
    Elegir(editor.imcSexismo, "Androcentrismo");
    editor.cmdAceptar.Pulsar();
  };
  navegador.lvEntradas.DblClick();
  navegador.TMenu.Disparar();
  EXPECT_EQ(Textos(navegador.lvEntradas), (S{"hijo", "madre", "progenitor"}));
  EXPECT_EQ(Textos(navegador.lvEntradas, 2),
            (S{"Masculino genérico", "Masculino genérico", "Androcentrismo"}));
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"madre", "progenitor"}));
  EXPECT_EQ(Textos(navegador.lvBusqueda, 2), (S{"Masculino genérico", "Androcentrismo"}));
  EXPECT_EQ(navegador.lvBusqueda.ListItems()[1].Tag, std::to_string(padre));

  // The results page shown with nothing selected in its list.
  navegador.TabEntradas.SetSelectedItem(1);
  navegador.mnuFileModifyEntry.Pulsar();
  EXPECT_EQ(Mensajes(), S{kSeleccion});
  EXPECT_FALSE(navegador.GetEditorAbierto());

  // "Aplicar" then "Cancelar": what was applied is shown.
  Seleccionar(navegador.lvBusqueda, {"madre"});
  servicios.alMostrar = [&](ui::Formulario& mostrada) {
    auto& editor = dynamic_cast<frmEntrada&>(mostrada);
    EXPECT_EQ(editor.GetIdEntry(), madre);
    editor.txtEntrada.Escribir("progenitora");
    editor.cmdAplicar.Pulsar();
    editor.txtEntrada.Escribir("no guardada");
    editor.cmdCancelar.Pulsar();
  };
  servicios.alMostrarMenu = [&](ui::Menu& menu) {
    EXPECT_EQ(menu.GetName(), "cmSearch");
    navegador.cmSearchModifyEntry.Pulsar();
  };
  ClicDerecho(navegador.lvBusqueda);
  ASSERT_EQ(servicios.menus.size(), 1u);
  EXPECT_EQ(servicios.menus[0].habilitadas,
            (S{"cmSearchAddEntry", "cmSearchModifyEntry", "cmSearchDeleteEntry"}));
  navegador.TMenu.Disparar();
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"progenitor", "progenitora"}));
  EXPECT_EQ(Textos(navegador.lvEntradas), (S{"hijo", "progenitor", "progenitora"}));

  // "Cancelar" alone: nothing changes.
  Seleccionar(navegador.lvBusqueda, {"progenitora"});
  AlMostrarEditor("no guardada", false);
  navegador.mnuFileModifyEntry.Pulsar();
  navegador.TMenu.Disparar();
  EXPECT_EQ(mostrados, 1);
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"progenitor", "progenitora"}));
  EXPECT_EQ(Entradas(), (S{"progenitor", "progenitora", "hijo"}));
  EXPECT_EQ(Mensajes(), (S{kSeleccion, "Datos actualizados satisfactoriamente"}));
}

TEST_P(FrmEntradasTest, AFailedEditorTickStillLetsTheEditorOpenAgain) {
  Entrada("padre");
  navegador.Load();
  servicios.alMostrar = [](ui::Formulario& mostrada) {
    mostrada.Unload(ui::ModoCierre::Usuario);
    throw std::runtime_error("No se ha podido mostrar la ventana");
  };
  navegador.mnuFileAddEntry.Pulsar();
  navegador.TMenu.Disparar();
  EXPECT_EQ(Mensajes(), S{"No se ha podido mostrar la ventana"});
  EXPECT_EQ(servicios.mensajes[0].icono, ui::Icono::Exclamacion);
  EXPECT_FALSE(navegador.GetEditorAbierto());
  EXPECT_FALSE(navegador.TMenu.GetEnabled());

  ClicDerecho(navegador.lvEntradas);
  EXPECT_EQ(servicios.menus.size(), 1u);
  AlMostrarEditor("madre");
  navegador.mnuFileAddEntry.Pulsar();
  EXPECT_TRUE(navegador.GetEditorAbierto());
  navegador.TMenu.Disparar();
  EXPECT_EQ(mostrados, 1);
  EXPECT_EQ(Textos(navegador.lvEntradas), (S{"madre", "padre"}));
}

INSTANTIATE_TEST_SUITE_P(Motores, FrmEntradasTest, db::prueba::kMotores, db::prueba::NombreMotor);

}  // namespace
}  // namespace quillora
