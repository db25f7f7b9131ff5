// The dictionary browser over a real dictionary database, on every engine.
#include "editor/frm_entradas.h"

#include <cstdio>

#include "editor_prueba.h"

namespace quillora {
namespace {

using prueba::S;

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
  void Buscar(const std::string& texto) {
    navegador.txtEntrada.Escribir(texto);
    navegador.mnuSearchSearch.Pulsar();
  }

  // The editor, once the timer shows it, writes this name and closes with this button.
  void AlMostrarEditor(std::string nombre, bool aceptar = true) {
    AlMostrar<frmEntrada>([this, nombre, aceptar](frmEntrada& editor) {
      ++mostrados;
      editor.txtEntrada.Escribir(nombre);
      (aceptar ? editor.cmdAceptar : editor.cmdCancelar).Pulsar();
    });
  }

  // The counts under the entries page and under the results page.
  std::string Cuentas() {
    return navegador.lbNumeroEntradas.GetCaption() + " / " +
           navegador.lbNumeroBusqueda.GetCaption();
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
  for (auto* lista : {&navegador.lvEntradas, &navegador.lvBusqueda}) {
    EXPECT_TRUE(lista->ListItems().empty());
    EXPECT_EQ(Iconos(*lista), (S{"Ascending", "NoSort", "NoSort"}));
  }
  EXPECT_EQ(Cuentas(), "0 elementos / 0 elementos");
  for (auto* combo : {&navegador.imcMorfologia, &navegador.imcSexismo}) {
    EXPECT_EQ(Textos(*combo), S{"<Ninguno>"});
    EXPECT_EQ(combo->GetSelectedItem(), 0u);
  }
  EXPECT_EQ(navegador.TabEntradas.GetSelectedItem(), 0u);
  EXPECT_FALSE(navegador.TMenu.GetEnabled());

  // Nothing selected: only "Añadir entrada" is offered, and modify and delete say so.
  ClicDerecho(navegador.lvEntradas);
  EXPECT_EQ(Menus(), S{"cmEntries > cmEntriesModifyEntry: cmEntriesAddEntry"});
  navegador.mnuFileModifyEntry.Pulsar();
  navegador.mnuFileDeleteEntry.Pulsar();
  navegador.tlbEntries.Pulsar("tbModifyEntry");
  navegador.tlbEntries.Pulsar("tbDeleteEntry");
  navegador.lvEntradas.DblClick();
  EXPECT_EQ(Mensajes(), S(5, kSeleccion));
  Aspecto(0, ui::Icono::Exclamacion);
  EXPECT_FALSE(navegador.GetEditorAbierto());
  EXPECT_EQ(navegador.GetMousePointer(), ui::Puntero::Predeterminado);

  // With no filter a search is the listing followed by one blank.
  EXPECT_EQ(navegador.ConsultaBusqueda(), std::string(kListado) + " ");
  navegador.tlbEntries.Pulsar("tbSearch");
  EXPECT_EQ(navegador.TabEntradas.GetSelectedItem(), 1u);
  EXPECT_EQ(Cuentas(), "0 elementos / 0 elementos");
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
  EXPECT_EQ(Textos(navegador.imcSexismo), (S{"<Ninguno>", "Ámbito doméstico", "Androcentrismo",
                                             "asimetría", "Masculino genérico"}));
  EXPECT_EQ(navegador.imcMorfologia.GetText(), "<Ninguno>");

  // Clicking headers: the first column turns descending; another column starts ascending.
  Ordenar(lista, {{0, {"Descending", "NoSort", "NoSort"}, {"Zona", "zapato", "abad", "Ábaco"}},
                  {2,
                   {"NoSort", "NoSort", "Ascending"},
                   {"", "", "Ámbito doméstico", "Masculino genérico"},
                   2},
                  {2,
                   {"NoSort", "NoSort", "Descending"},
                   {"Masculino genérico", "Ámbito doméstico", "", ""},
                   2},
                  {1, {"NoSort", "Ascending", "NoSort"}, {"zapato", "abad", "Ábaco", "Zona"}}});
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
  EXPECT_EQ(Cuentas(), "7 elementos / 2 elementos");

  // Accents and letter case do not count; "?" and "*" are wildcards; blanks are part of it.
  Elegir(navegador.imcSexismo, "<Ninguno>");
  const S padres{"compadre", "el padre de todos", "padre", "PÁDRE DE FAMILIA"};
  const std::pair<const char*, S> busquedas[] = {
      {"padre", padres},
      {"pádre", padres},
      {"PADRE", padres},
      {"Pàdre", padres},
      {"p?dr", {"compadre", "el padre de todos", "padre", "PÁDRE DE FAMILIA", "Padrísimo"}},
      {"m*dre", {"compadre", "madre"}},
      {" padre ", {"el padre de todos"}},
      {"o'd", {"O'Donnell"}}};
  for (const auto& [texto, encontradas] : busquedas) {
    Buscar(texto);
    EXPECT_EQ(Textos(navegador.lvBusqueda), encontradas) << texto;
  }

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
  EXPECT_EQ(navegador.lvEntradas.ListItems().size(), 7u);
  EXPECT_EQ(Cuentas(), "7 elementos / 7 elementos");
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
  navegador.mnuSearchSearch.Pulsar();
  EXPECT_EQ(Cuentas(), "1.234 elementos / 1.234 elementos");

  Seleccionar(navegador.lvBusqueda, {"entrada 0001"});
  servicios.respuestas = {ui::Respuesta::Si};
  navegador.mnuFileDeleteEntry.Pulsar();
  EXPECT_EQ(Cuentas(), "1233 elementos / 1233 elementos");

  AlMostrarEditor("entrada 9999");
  navegador.mnuFileAddEntry.Pulsar();
  navegador.TMenu.Disparar();
  EXPECT_EQ(Cuentas(), "1234 elementos / 1234 elementos");
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
  EXPECT_EQ(Menus(), S{"cmEntries > cmEntriesModifyEntry: cmEntriesAddEntry "
                       "cmEntriesModifyEntry cmEntriesDeleteEntry"});
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
  EXPECT_EQ(Cuentas(), "2 elementos / 2 elementos");
  EXPECT_EQ(Mensajes(), (S{kSeleccion, kPregunta, kPregunta}));
  Aspecto(1, ui::Icono::Pregunta, ui::Botones::SiNo);
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
  for (const std::string nombre : {"antes", "bloqueada", "después"}) {
    Sustituto(Entrada(nombre), nombre + " 1");
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

  // A tick whose editor fails to show says why and leaves the browser ready for another.
  AlMostrar<frmEntrada>([](frmEntrada& editor) {
    editor.Unload(ui::ModoCierre::Usuario);
    throw std::runtime_error("No se ha podido mostrar la ventana");
  });
  navegador.mnuFileAddEntry.Pulsar();
  navegador.TMenu.Disparar();
  EXPECT_EQ(Mensajes(), S{"No se ha podido mostrar la ventana"});
  Aspecto(0, ui::Icono::Exclamacion);
  EXPECT_FALSE(navegador.GetEditorAbierto());
  EXPECT_FALSE(navegador.TMenu.GetEnabled());
  ClicDerecho(navegador.lvEntradas);
  EXPECT_EQ(servicios.menus.size(), 1u);
  servicios.menus.clear();
  servicios.mensajes.clear();

  // The request only prepares the editor; a second one while it waits changes nothing.
  AlMostrarEditor("tío");
  navegador.mnuFileAddEntry.Pulsar();
  auto& editor = navegador.EditorEntrada();
  EXPECT_TRUE(navegador.GetEditorAbierto());
  EXPECT_TRUE(navegador.TMenu.GetEnabled());
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
  EXPECT_EQ(Cuentas(), "3 elementos / 0 elementos");
  EXPECT_TRUE(SinPrimerPlano(editor));
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
  EXPECT_EQ(Cuentas(), "4 elementos / 2 elementos");

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
  AlMostrar<frmEntrada>([&](frmEntrada& editor) {
    EXPECT_EQ(editor.GetIdEntry(), padre);
    EXPECT_EQ(editor.txtEntrada.GetText(), "padre");
    editor.txtEntrada.Escribir("progenitor");
    Elegir(editor.imcSexismo, "Androcentrismo");
    editor.cmdAceptar.Pulsar();
  });
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
  AlMostrar<frmEntrada>([&](frmEntrada& editor) {
    EXPECT_EQ(editor.GetIdEntry(), madre);
    editor.txtEntrada.Escribir("progenitora");
    editor.cmdAplicar.Pulsar();
    editor.txtEntrada.Escribir("no guardada");
    editor.cmdCancelar.Pulsar();
  });
  servicios.alMostrarMenu = [&](ui::Menu& menu) {
    EXPECT_EQ(menu.GetName(), "cmSearch");
    navegador.cmSearchModifyEntry.Pulsar();
  };
  ClicDerecho(navegador.lvBusqueda);
  EXPECT_EQ(Menus(), S{"cmSearch > cmSearchModifyEntry: cmSearchAddEntry cmSearchModifyEntry "
                       "cmSearchDeleteEntry"});
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

INSTANTIATE_TEST_SUITE_P(Motores, FrmEntradasTest, db::prueba::kMotores, db::prueba::NombreMotor);

}  // namespace
}  // namespace quillora
