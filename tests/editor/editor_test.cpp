// The dictionary editor's windows over a real dictionary database, on every engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/dialecto_sql.h"
#include "db/motores_prueba.h"
#include "editor/frm_entradas.h"
#include "origen_quillora_prueba.h"
#include "servicios_guionizados.h"
#include "ui/ventanas.h"

namespace quillora {
namespace {

using S = std::vector<std::string>;

constexpr const char* kActualizados = "Datos actualizados satisfactoriamente";
constexpr const char* kEliminar = "¿Está seguro de que desea eliminar los elementos seleccionados?";

// An empty dictionary database, the data source "Quillora" pointing at it and a scripted desktop.
// Every message box a test causes must be looked at with Vistos before the test ends.
class PruebaEditor : public prueba::PruebaDiccionario {
 protected:
  void TearDown() override {
    EXPECT_EQ(Mensajes(), S{}) << "mensajes que la prueba no ha mirado";
    PruebaDiccionario::TearDown();
  }

  S Consulta(const std::string& sql, const S& columnas) {
    return db::prueba::Consulta(Bd().GetConexion(), sql, columnas);
  }
  std::string Valor(const std::string& sql) {
    return Consulta("Select (" + sql + ") as Valor", {"Valor"}).at(0);
  }
  std::int64_t Filas(const std::string& tabla) {
    return std::stoll(Valor("Select Count(*) from " + tabla));
  }

  // Class names in no particular order, so that the windows must sort them as Spanish text.
  void Clases() {
    Sql("Insert Into Morfologia Values (1, 'Sustantivo', NULL), (2, 'adjetivo', NULL), "
        "(3, 'Expresión', NULL)");
    Sql("Insert Into Sexismo Values (3, 'Masculino genérico', NULL), (4, 'Androcentrismo', NULL), "
        "(5, 'Ámbito doméstico', NULL), (6, 'asimetría', NULL)");
  }
  // An entry written as the dictionary's maintainers write rows, with these alternatives.
  std::int32_t Entrada(const std::string& nombre, std::optional<int> morfologia = std::nullopt,
                       std::optional<int> sexismo = std::nullopt, const S& sustitutos = {}) {
    const auto numero = [](std::optional<int> n) { return n ? std::to_string(*n) : "NULL"; };
    Sql("Insert Into Entrada (Entrada, Morfologia, Sexismo) Values (" + db::LiteralSql(nombre) +
        ", " + numero(morfologia) + ", " + numero(sexismo) + ")");
    const auto id = std::stoi(Valor("Select Max(IdEntrada) from Entrada"));
    for (const auto& sustituto : sustitutos) Sustituto(id, sustituto);
    return id;
  }
  std::int32_t Sustituto(std::int32_t entrada, const std::string& texto,
                         std::optional<std::string> contexto = std::nullopt) {
    Sql("Insert Into Sustituto (Sustituto, Contexto, Entrada) Values (" + db::LiteralSql(texto) +
        ", " + (contexto ? db::LiteralSql(*contexto) : std::string("NULL")) + ", " +
        std::to_string(entrada) + ")");
    return std::stoi(Valor("Select Max(IdSustituto) from Sustituto"));
  }

  // What each element gives.
  template <typename Elementos, typename Campo>
  static S Cada(const Elementos& elementos, Campo campo) {
    S textos;
    for (const auto& elemento : elementos) textos.push_back(std::invoke(campo, elemento));
    return textos;
  }
  S Mensajes() const {
    return Cada(servicios.mensajes, &prueba::ServiciosGuionizados::Mensaje::texto);
  }
  // The message boxes shown since last looked at; the first with this picture and these buttons
  // under the application's title.
  void Vistos(const S& textos, std::optional<ui::Icono> icono = std::nullopt,
              ui::Botones botones = ui::Botones::Aceptar) {
    EXPECT_EQ(Mensajes(), textos);
    if (icono && !servicios.mensajes.empty()) {
      EXPECT_EQ(servicios.mensajes[0].icono, *icono);
      EXPECT_EQ(servicios.mensajes[0].botones, botones);
      EXPECT_EQ(servicios.mensajes[0].titulo, "Quillora");
    }
    servicios.mensajes.clear();
  }
  // What the test does with the window of that class once it is shown.
  template <typename Ventana, typename Accion>
  void AlMostrar(Accion accion) {
    servicios.alMostrar = [accion](ui::Formulario& mostrada) {
      accion(dynamic_cast<Ventana&>(mostrada));
    };
  }
  // The pop-up menus shown: "name > default: enabled entries".
  S Menus() const {
    S menus;
    for (const auto& menu : servicios.menus) {
      std::string texto = menu.nombre + " > " + menu.predeterminado + ":";
      for (const auto& entrada : menu.habilitadas) texto += " " + entrada;
      menus.push_back(texto);
    }
    return menus;
  }
  // Whether the window was put back below the topmost ones, as the editors do when shown.
  bool SinPrimerPlano(ui::Formulario& ventana) {
    const auto hwnd = servicios.ventanas.HwndDe(ventana);
    return std::ranges::any_of(servicios.ventanas.LlamadasPosicion(), [&](const auto& llamada) {
      return llamada.hwnd == hwnd && llamada.insertarDespues == ui::kHwndNoTopMost &&
             llamada.flags == (ui::kSwpNoSize | ui::kSwpNoMove);
    });
  }
  // Whether an editor is still open and whether it was closed or applied with its data saved.
  template <typename Editor>
  static std::string Estado(const Editor& editor) {
    return std::string(editor.GetCargado() ? "abierta" : "cerrada") +
           (editor.GetBOk() ? ", guardada" : "");
  }

  // The texts of the list's rows (column 0) or of one of its columns, in the order shown.
  static S Textos(const ui::VistaLista& lista, std::size_t columna = 0) {
    return Cada(lista.ListItems(), [columna](const auto& fila) { return fila.Celda(columna); });
  }
  static S Iconos(const ui::VistaLista& lista) {
    return Cada(lista.ColumnHeaders(), [](const auto& cabecera) { return cabecera.Icon; });
  }
  // Clicks each header in turn, checking the pictures and the texts of one column after each.
  struct Clic {
    std::size_t columna;
    S iconos;
    S textos;
    std::size_t leida = 0;  // the column whose texts are checked
  };
  static void Ordenar(ui::VistaLista& lista, const std::vector<Clic>& clics) {
    for (const auto& clic : clics) {
      lista.ColumnClick(clic.columna);
      EXPECT_EQ(Iconos(lista), clic.iconos) << "columna " << clic.columna;
      EXPECT_EQ(Textos(lista, clic.leida), clic.textos) << "columna " << clic.columna;
    }
  }
  static S Textos(const ui::ComboImagen& combo) {
    return Cada(combo.ComboItems(), &ui::ComboImagen::Elemento::Text);
  }
  // Selects the item with that text; an error when there is none.
  static void Elegir(ui::ComboImagen& combo, const std::string& texto) {
    const auto& elementos = combo.ComboItems();
    const auto elemento = std::ranges::find(elementos, texto, &ui::ComboImagen::Elemento::Text);
    if (elemento == elementos.end()) throw std::logic_error("El combo no tiene «" + texto + "»");
    combo.SetSelectedItem(static_cast<std::size_t>(elemento - elementos.begin()));
  }
  // Selects the rows whose text is one of these.
  static void Seleccionar(ui::VistaLista& lista, const S& textos) {
    for (auto& fila : lista.ListItems()) {
      fila.Selected = std::ranges::find(textos, fila.Text) != textos.end();
    }
  }
  // Right button let go over the list.
  static void ClicDerecho(ui::VistaLista& lista) { lista.MouseUp(ui::kBotonDerecho, 10, 10); }

  prueba::ServiciosGuionizados servicios;
};

// ---- The alternative editor.

constexpr const char* kRepetida = "Ya existe una alternativa con el mismo texto para la entrada";

class FrmSustitutoTest : public PruebaEditor {
 protected:
  void SetUp() override {
    PruebaEditor::SetUp();
    if (IsSkipped()) return;
    casa_ = Entrada("  casa  ");
    piso_ = Entrada("piso");
    hogar_ = Sustituto(casa_, "hogar", "general");
  }

  // As the entry editor opens it for a new alternative, or with the alternative to change.
  void Abrir(std::int32_t entrada, std::optional<std::int32_t> sustituto = std::nullopt) {
    ventana.Load();
    ventana.SetIdEntry(entrada);
    if (sustituto) {
      ventana.SetIdSustituto(*sustituto);
      ventana.Cargar();
    }
  }
  // Types the alternative (and its context, when given) and presses "Aceptar".
  void Aceptar(const std::string& texto, std::optional<std::string> contexto = std::nullopt) {
    ventana.txtSustituto.Escribir(texto);
    if (contexto) ventana.txtContexto.Escribir(*contexto);
    ventana.cmdAceptar.Pulsar();
  }
  // The alternatives of the entry as stored: "text|context".
  S Guardados(std::int32_t entrada) {
    return Consulta("Select Sustituto, Contexto from Sustituto Where Entrada = " +
                        std::to_string(entrada) + " Order By IdSustituto",
                    {"Sustituto", "Contexto"});
  }

  std::int32_t casa_ = 0;
  std::int32_t piso_ = 0;
  std::int32_t hogar_ = 0;
  frmSustituto ventana{servicios};
};

TEST_P(FrmSustitutoTest, RefusesBlankAndRepeatedTextsAndSavesTheTrimmedText) {
  Abrir(casa_);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "casa");
  EXPECT_TRUE(ventana.txtEntrada.GetLocked());
  for (const auto* blanco : {"", "   "}) {
    Aceptar(blanco);
    EXPECT_EQ(ventana.txtSustituto.GetParent()->GetActiveControl(), &ventana.txtSustituto);
  }
  // The dictionary would take these for the alternative it already has; they stay as typed.
  for (const auto* repetida : {"hogar", " HOGAR  ", "Hogar"}) {
    Aceptar(repetida);
    EXPECT_EQ(ventana.txtSustituto.GetText(), repetida);
  }
  const auto* vacio = "El texto de la alternativa no puede estar vacío";
  Vistos({vacio, vacio, kRepetida, kRepetida, kRepetida}, ui::Icono::Exclamacion);
  EXPECT_EQ(Estado(ventana), "abierta");
  EXPECT_EQ(Filas("Sustituto"), 1);

  // Accents make another text.
  Aceptar("  hogár  ");
  EXPECT_EQ(Estado(ventana), "cerrada, guardada");
  EXPECT_EQ(Guardados(casa_), (S{"hogar|general", "hogár|<nulo>"}));

  // Brackets are letters of the text, not a pattern; a window loaded again starts over.
  Sustituto(casa_, "véase [1]");
  Abrir(casa_);
  EXPECT_EQ(Estado(ventana), "abierta");
  EXPECT_EQ(ventana.GetIdSustituto(), -1);
  EXPECT_EQ(ventana.txtSustituto.GetText(), "");
  Aceptar(" VÉASE [1]");
  Vistos({kRepetida});
  EXPECT_EQ(Estado(ventana), "abierta");
}

TEST_P(FrmSustitutoTest, QuotesRepeatsInOtherEntriesAndContextsAreStoredAsTyped) {
  // The same text under another entry is another alternative.
  Abrir(piso_);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "piso");
  Aceptar("hogar", "   ");
  EXPECT_EQ(Estado(ventana), "cerrada, guardada");

  // A quote is a letter of the text, in the duplicate test as in the row.
  Abrir(piso_);
  Aceptar("l'appartement", "");
  const auto apartamento = ventana.GetIdSustituto();
  Abrir(piso_);
  Aceptar(" L'APPARTEMENT ");
  Vistos({kRepetida});
  EXPECT_EQ(Estado(ventana), "abierta");
  Aceptar("x' or '1'='1");
  EXPECT_EQ(Estado(ventana), "cerrada, guardada");
  EXPECT_EQ(Guardados(piso_), (S{"hogar|   ", "l'appartement|<nulo>", "x' or '1'='1|<nulo>"}));
  EXPECT_EQ(Guardados(casa_), S{"hogar|general"});

  // Changing an alternative keeps its key and may keep its own text.
  Sql("Update Sustituto Set Sustituto = '  l''appartement ', Contexto = '  en la ciudad ' Where "
      "IdSustituto = " +
      std::to_string(apartamento));
  Abrir(piso_, apartamento);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "piso");
  EXPECT_EQ(ventana.txtSustituto.GetText(), "l'appartement");
  EXPECT_EQ(ventana.txtContexto.GetText(), "  en la ciudad ");
  ventana.txtContexto.Escribir("");
  ventana.cmdAceptar.Pulsar();
  EXPECT_EQ(Estado(ventana), "cerrada, guardada");
  EXPECT_EQ(ventana.GetIdSustituto(), apartamento);
  Abrir(piso_, apartamento);
  Aceptar("le logement", "en la ciudad");
  EXPECT_EQ(Guardados(piso_), (S{"hogar|   ", "le logement|en la ciudad", "x' or '1'='1|<nulo>"}));
}

TEST_P(FrmSustitutoTest, CancelSavesNothingAndMissingRecordsLeaveTheKeysAtMinusOne) {
  Abrir(casa_, hogar_);
  ventana.txtSustituto.Escribir("vivienda");
  ventana.cmdCancelar.Pulsar();
  EXPECT_EQ(Estado(ventana), "cerrada");
  EXPECT_EQ(Guardados(casa_), S{"hogar|general"});

  Abrir(9999);
  EXPECT_EQ(ventana.GetIdEntry(), -1);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "");
  ventana.cmdCancelar.Pulsar();

  // An alternative that is gone leaves the window as it was.
  Abrir(casa_);
  ventana.txtSustituto.Escribir("vivienda");
  ventana.SetIdSustituto(hogar_ + 100);
  ventana.Cargar();
  EXPECT_EQ(ventana.GetIdSustituto(), -1);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "casa");
  EXPECT_EQ(ventana.txtSustituto.GetText(), "vivienda");
  ventana.cmdAceptar.Pulsar();
  EXPECT_EQ(Guardados(casa_), (S{"hogar|general", "vivienda|<nulo>"}));
}

INSTANTIATE_TEST_SUITE_P(Motores, FrmSustitutoTest, db::prueba::kMotores, db::prueba::NombreMotor);

// ---- The entry editor.

class FrmEntradaTest : public PruebaEditor {
 protected:
  void SetUp() override {
    PruebaEditor::SetUp();
    if (!IsSkipped()) Clases();
  }

  // As the browser opens it: loaded, the key set (or left at -1 for a new entry), filled.
  void Abrir(std::int32_t id = -1) {
    ventana.Load();
    if (id != -1) ventana.SetIdEntry(id);
    ventana.Cargar();
  }
  void Escribir(const std::string& nombre, ui::Boton& boton) {
    ventana.txtEntrada.Escribir(nombre);
    boton.Pulsar();
  }

  // The stored entry: "Entrada|Morfologia|Sexismo".
  std::string Guardada(std::int32_t id) {
    return Consulta("Select * from Entrada Where IdEntrada = " + std::to_string(id),
                    {"Entrada", "Morfologia", "Sexismo"})
        .at(0);
  }
  std::string Etimologia(std::int32_t id) {
    return Valor("Select Etimologia from Entrada Where IdEntrada = " + std::to_string(id));
  }
  S Sustitutos(std::int32_t entrada) {
    return Consulta("Select Sustituto from Sustituto Where Entrada = " + std::to_string(entrada) +
                        " Order By Sustituto",
                    {"Sustituto"});
  }

  frmEntrada ventana{servicios};
};

TEST_P(FrmEntradaTest, ANewEntryIsCheckedTrimmedAndInsertedWithItsClasses) {
  for (const auto* nombre : {"casa", "árbol", "  nota [1] ", "l'enfant"}) Entrada(nombre);
  Abrir();
  // The classes in Spanish order, whatever order the engine gives text.
  EXPECT_EQ(Textos(ventana.imcMorfologia), (S{"<Ninguno>", "adjetivo", "Expresión", "Sustantivo"}));
  EXPECT_EQ(Textos(ventana.imcSexismo), (S{"<Ninguno>", "Ámbito doméstico", "Androcentrismo",
                                           "asimetría", "Masculino genérico"}));
  for (const auto* blanco : {"", "   "}) {
    Escribir(blanco, ventana.cmdAceptar);
    EXPECT_EQ(ventana.txtEntrada.GetParent()->GetActiveControl(), &ventana.txtEntrada);
  }
  Vistos(S(2, "El nombre de la entrada no puede estar vacío"), ui::Icono::Exclamacion);

  // Names the dictionary would take for one it has: letter case and outer blanks do not count.
  for (const auto* repetido : {"  CASA  ", "ÁRBOL", "Nota [1]", "L'Enfant"}) {
    Escribir(repetido, ventana.cmdAplicar);
  }
  EXPECT_EQ(ventana.txtEntrada.GetText(), "L'Enfant");
  Escribir("  CASA  ", ventana.cmdAceptar);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "CASA");  // trimmed, not saved
  Vistos(S(5, "El nombre de la entrada ya existe para otra entrada"));
  EXPECT_EQ(Estado(ventana), "abierta");
  EXPECT_EQ(Filas("Entrada"), 4);

  // An accent makes another name.
  Elegir(ventana.imcMorfologia, "Sustantivo");
  Escribir("  cása  ", ventana.cmdAceptar);
  EXPECT_EQ(Estado(ventana), "cerrada, guardada");
  EXPECT_EQ(ventana.txtEntrada.GetText(), "cása");
  EXPECT_EQ(Guardada(ventana.GetIdEntry()), "cása|1|<nulo>");
  EXPECT_EQ(Etimologia(ventana.GetIdEntry()), "<nulo>");
  EXPECT_EQ(Filas("Entrada"), 5);
}

TEST_P(FrmEntradaTest, ApplyMakesTheEntryExistSoLaterSavesUpdateItAndAlternativesOpen) {
  Abrir();
  ClicDerecho(ventana.lvSustitutos);
  EXPECT_TRUE(servicios.menus.empty());  // no alternatives before the entry exists

  Escribir("O'Donnell", ventana.cmdAplicar);
  Vistos({kActualizados}, ui::Icono::Informacion);
  EXPECT_EQ(Estado(ventana), "abierta, guardada");
  const auto id = ventana.GetIdEntry();
  EXPECT_NE(id, -1);
  EXPECT_EQ(Guardada(id), "O'Donnell|<nulo>|<nulo>");

  // Now its alternatives can be added, through the pop-up menu and the alternative editor.
  servicios.alMostrarMenu = [&](ui::Menu&) { ventana.mnuSubstitutesAddSubstitute.Pulsar(); };
  AlMostrar<frmSustituto>([](frmSustituto& editor) {
    EXPECT_EQ(editor.txtEntrada.GetText(), "O'Donnell");
    editor.txtSustituto.Escribir("la familia O'Donnell");
    editor.cmdAceptar.Pulsar();
  });
  ClicDerecho(ventana.lvSustitutos);
  EXPECT_EQ(Menus(), S{"mnuSubstitutes > mnuSubstitutesModifySubstitute: "
                       "mnuSubstitutesAddSubstitute mnuSubstitutesModifySubstitute"});
  EXPECT_EQ(Textos(ventana.lvSustitutos), S{"la familia O'Donnell"});
  EXPECT_EQ(ventana.lvSustitutos.ListItems()[0].Tag,
            std::to_string(ventana.EditorSustituto().GetIdSustituto()));
  EXPECT_EQ(Sustitutos(id), S{"la familia O'Donnell"});
  EXPECT_TRUE(SinPrimerPlano(ventana.EditorSustituto()));

  // A second "Aplicar" writes the same row; "Cancelar" drops only what was typed since.
  Elegir(ventana.imcSexismo, "Androcentrismo");
  Escribir(" O'Donnell (apellido) ", ventana.cmdAplicar);
  EXPECT_EQ(ventana.GetIdEntry(), id);
  EXPECT_EQ(Filas("Entrada"), 1);
  Escribir("otro nombre", ventana.cmdCancelar);
  EXPECT_EQ(Estado(ventana), "cerrada, guardada");
  EXPECT_EQ(Guardada(id), "O'Donnell (apellido)|<nulo>|4");
  Vistos({kActualizados});

  // A window loaded again starts over.
  Abrir();
  EXPECT_EQ(Estado(ventana), "abierta");
  EXPECT_EQ(ventana.GetIdEntry(), -1);
  EXPECT_TRUE(ventana.lvSustitutos.ListItems().empty());
}

TEST_P(FrmEntradaTest, AStoredEntryIsShownSavedUnderItsOwnNameAndCopiedAsShown) {
  const auto id = Entrada("  casa  ", 1, 99);  // no sexism class has the key 99
  Entrada("piso", 2, 3, {"apartamento"});
  Sustituto(id, "vivienda");
  Sustituto(id, " hogar ", " en general ");
  Abrir(id);
  EXPECT_EQ(ventana.GetIdEntry(), id);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "casa");
  EXPECT_EQ(ventana.imcMorfologia.GetText(), "Sustantivo");
  EXPECT_EQ(ventana.imcSexismo.GetText(), "<Ninguno>");
  EXPECT_EQ(ventana.RTBEtimologia.GetText(), "");
  EXPECT_EQ(Textos(ventana.lvSustitutos), (S{"hogar", "vivienda"}));
  EXPECT_EQ(Textos(ventana.lvSustitutos, 1), (S{"en general", ""}));
  ventana.cmdCopiar.Pulsar();
  EXPECT_EQ(servicios.portapapeles,
            "Entrada: casa\r\n\r\nClasificación morfológica: Sustantivo\r\n\r\n"
            "Clasificación sexista: <Ninguno>\r\n\r\nSugerencias:\r\n    hogar\r\n    vivienda");

  ventana.cmdAceptar.Pulsar();
  EXPECT_EQ(Estado(ventana), "cerrada, guardada");
  EXPECT_EQ(ventana.GetIdEntry(), id);
  EXPECT_EQ(Filas("Entrada"), 2);
  EXPECT_EQ(Guardada(id), "casa|1|<nulo>");  // the unknown class shown as "<Ninguno>" goes

  // "<Ninguno>" stores no class; the comment is stored as a document the review dialog reads.
  Abrir(id);
  Elegir(ventana.imcMorfologia, "<Ninguno>");
  Elegir(ventana.imcSexismo, "Ámbito doméstico");
  ventana.RTBEtimologia.Escribir("Palabra neutra.");
  ventana.cmdAceptar.Pulsar();
  EXPECT_EQ(Guardada(id), "casa|<nulo>|5");
  EXPECT_TRUE(Etimologia(id).starts_with("{\\rtf"));
  Abrir(id);
  EXPECT_EQ(ventana.RTBEtimologia.GetText(), "Palabra neutra.");
  EXPECT_EQ(ventana.imcSexismo.GetText(), "Ámbito doméstico");

  // The copy takes the name as typed, the classes chosen and the comment's plain text.
  ventana.txtEntrada.Escribir(" casa ");
  Elegir(ventana.imcMorfologia, "Sustantivo");
  ventana.cmdCopiar.Pulsar();
  EXPECT_EQ(servicios.portapapeles,
            "Entrada:  casa \r\n\r\nClasificación morfológica: Sustantivo\r\n\r\n"
            "Clasificación sexista: Ámbito doméstico\r\n\r\nComentario: Palabra neutra.\r\n\r\n"
            "Sugerencias:\r\n    hogar\r\n    vivienda");
  ventana.RTBEtimologia.Escribir("");
  ventana.cmdAceptar.Pulsar();
  EXPECT_EQ(Etimologia(id), "<nulo>");

  // The entry asked for is gone: the window stays empty, as for a new entry.
  Abrir(id + 100);
  EXPECT_EQ(ventana.GetIdEntry(), -1);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "");
  EXPECT_TRUE(ventana.lvSustitutos.ListItems().empty());
  ClicDerecho(ventana.lvSustitutos);
  EXPECT_TRUE(servicios.menus.empty());
  Abrir();
  ventana.cmdCopiar.Pulsar();
  EXPECT_EQ(servicios.portapapeles,
            "Entrada: \r\n\r\nClasificación morfológica: <Ninguno>\r\n\r\n"
            "Clasificación sexista: <Ninguno>");
}

TEST_P(FrmEntradaTest, ChangesDeletesAndSortsTheAlternatives) {
  const auto id = Entrada("casa", {}, {}, {"vivienda", "hogar", "domicilio"});
  const auto otra = Entrada("piso", {}, {}, {"hogar"});
  Abrir(id);
  auto& lista = ventana.lvSustitutos;
  EXPECT_EQ(Textos(lista), (S{"domicilio", "hogar", "vivienda"}));
  lista.DblClick();
  ventana.mnuSubstitutesDeleteSubstitute.Pulsar();
  Vistos(S(2, "Tiene que seleccionar alguna sugerencia"));

  // The selected alternative in the alternative editor; its row follows the change.
  Seleccionar(lista, {"vivienda"});
  const auto vivienda = lista.ListItems()[2].Tag;
  AlMostrar<frmSustituto>([&](frmSustituto& editor) {
    EXPECT_EQ(editor.txtEntrada.GetText(), "casa");
    EXPECT_EQ(editor.txtSustituto.GetText(), "vivienda");
    EXPECT_EQ(std::to_string(editor.GetIdSustituto()), vivienda);
    editor.txtSustituto.Escribir("residencia");
    editor.txtContexto.Escribir("formal");
    editor.cmdAceptar.Pulsar();
  });
  lista.DblClick();
  EXPECT_EQ(Textos(lista, 1), (S{"", "", "formal"}));
  EXPECT_EQ(lista.ListItems()[2].Tag, vivienda);

  // Cancelled in the alternative editor: nothing changes.
  AlMostrar<frmSustituto>([](frmSustituto& editor) {
    editor.txtSustituto.Escribir("morada");
    editor.cmdCancelar.Pulsar();
  });
  ventana.mnuSubstitutesModifySubstitute.Pulsar();
  EXPECT_EQ(Textos(lista), (S{"domicilio", "hogar", "residencia"}));
  EXPECT_EQ(Sustitutos(id), (S{"domicilio", "hogar", "residencia"}));

  // A "No" keeps the rows; the "Sí" that follows deletes only this entry's.
  Seleccionar(lista, {"domicilio", "hogar"});
  ClicDerecho(lista);
  EXPECT_EQ(Menus(),
            S{"mnuSubstitutes > mnuSubstitutesModifySubstitute: mnuSubstitutesAddSubstitute "
              "mnuSubstitutesModifySubstitute mnuSubstitutesDeleteSubstitute"});
  servicios.respuestas = {ui::Respuesta::No, ui::Respuesta::Si};
  ventana.mnuSubstitutesDeleteSubstitute.Pulsar();
  EXPECT_EQ(Textos(lista), (S{"domicilio", "hogar", "residencia"}));
  EXPECT_EQ(Sustitutos(id), (S{"domicilio", "hogar", "residencia"}));
  ventana.mnuSubstitutesDeleteSubstitute.Pulsar();
  EXPECT_EQ(Textos(lista), S{"residencia"});
  EXPECT_EQ(Sustitutos(otra), S{"hogar"});
  Vistos(S(2, kEliminar), ui::Icono::Pregunta, ui::Botones::SiNo);

  // Changes to alternatives are written at once: cancelling the entry keeps them.
  ventana.cmdCancelar.Pulsar();
  EXPECT_EQ(Estado(ventana), "cerrada");
  EXPECT_EQ(Sustitutos(id), S{"residencia"});

  // As Spanish text, by the clicked column.
  Sql("Delete From Sustituto Where Sustituto = 'residencia'");
  Sustituto(id, "Zona", "b");
  Sustituto(id, "zapato", "c");
  Sustituto(id, "abad", "a");
  Sustituto(id, "Ábaco", "d");
  Abrir(id);
  EXPECT_EQ(Iconos(lista), (S{"Ascending", "NoSort"}));
  EXPECT_EQ(Textos(lista), (S{"Ábaco", "abad", "zapato", "Zona"}));
  Ordenar(lista, {{1, {"NoSort", "Ascending"}, {"abad", "Zona", "zapato", "Ábaco"}},
                  {1, {"NoSort", "Descending"}, {"Ábaco", "zapato", "Zona", "abad"}},
                  {0, {"Ascending", "NoSort"}, {"Ábaco", "abad", "zapato", "Zona"}},
                  {0, {"Descending", "NoSort"}, {"Zona", "zapato", "abad", "Ábaco"}}});
  EXPECT_EQ(ventana.GetMousePointer(), ui::Puntero::Predeterminado);
}

INSTANTIATE_TEST_SUITE_P(Motores, FrmEntradaTest, db::prueba::kMotores, db::prueba::NombreMotor);

// ---- The dictionary browser.

constexpr const char* kSeleccion = "Tiene que seleccionar algún elemento";

class FrmEntradasTest : public PruebaEditor {
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
  S Entradas() { return Consulta("Select Entrada from Entrada Order By IdEntrada", {"Entrada"}); }
  S Sustitutos() {
    return Consulta("Select Sustituto from Sustituto Order By IdSustituto", {"Sustituto"});
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
  Vistos(S(5, kSeleccion), ui::Icono::Exclamacion);
  EXPECT_FALSE(navegador.GetEditorAbierto());
  EXPECT_EQ(navegador.GetMousePointer(), ui::Puntero::Predeterminado);

  navegador.tlbEntries.Pulsar("tbSearch");
  EXPECT_EQ(navegador.TabEntradas.GetSelectedItem(), 1u);
  EXPECT_EQ(Cuentas(), "0 elementos / 0 elementos");

  navegador.tlbEntries.Pulsar("tbExit");
  EXPECT_FALSE(navegador.GetCargado());
}

TEST_P(FrmEntradasTest, ListsEveryEntryInSpanishOrderAndSearchesFragmentsWildcardsAndClasses) {
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

  // A search asks the database again, so it finds entries the listing does not show.
  Entrada("padre", 1, 3);
  Entrada("PÁDRE DE FAMILIA", 3, 4);
  Entrada("compadre", 1, 3);
  Entrada("Padrísimo", 2, 3);
  Entrada("madre", 1, 3);
  Entrada("el padre de todos", 3, 4);
  Entrada("O'Donnell");
  navegador.txtEntrada.Escribir("padre");
  Elegir(navegador.imcSexismo, "Masculino genérico");
  navegador.mnuSearchSearch.Pulsar();
  EXPECT_EQ(navegador.TabEntradas.GetSelectedItem(), 1u);
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"compadre", "padre"}));
  EXPECT_EQ(Cuentas(), "4 elementos / 2 elementos");

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
  navegador.tlbEntries.Pulsar("tbSearch");
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"Ábaco", "el padre de todos", "PÁDRE DE FAMILIA"}));
  EXPECT_EQ(Textos(navegador.lvBusqueda, 2),
            (S{"Ámbito doméstico", "Androcentrismo", "Androcentrismo"}));

  navegador.mnuSeachClearFilters.Pulsar();
  EXPECT_EQ(navegador.txtEntrada.GetText(), "");
  EXPECT_EQ(navegador.imcMorfologia.GetText(), "<Ninguno>");
  EXPECT_EQ(navegador.imcSexismo.GetText(), "<Ninguno>");
  navegador.TabEntradas.SetSelectedItem(0);
  navegador.mnuSearchSearch.Pulsar();
  EXPECT_EQ(navegador.TabEntradas.GetSelectedItem(), 1u);
  EXPECT_EQ(navegador.lvBusqueda.ListItems().size(), 11u);

  // A combo with no item chosen filters nothing either.
  Buscar("madre");
  navegador.imcMorfologia.SetSelectedItem(std::nullopt);
  navegador.imcSexismo.SetSelectedItem(std::nullopt);
  Buscar("");
  EXPECT_EQ(navegador.lvBusqueda.ListItems().size(), 11u);
  EXPECT_EQ(navegador.lvEntradas.ListItems().size(), 4u);
  EXPECT_EQ(Cuentas(), "4 elementos / 11 elementos");
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
  Vistos({kEliminar});
}

TEST_P(FrmEntradasTest, DeletesTheSelectedEntriesWithTheirAlternativesAfterYes) {
  // The database refuses to delete one entry.
  if (Bd().GetMotor() == db::Motor::PostgreSQL) {
    Sql("CREATE FUNCTION EntradaBloqueada() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN IF "
        "OLD.Entrada = 'tío' THEN RAISE EXCEPTION 'La entrada está bloqueada'; END IF; "
        "RETURN OLD; END $$");
    Sql("CREATE TRIGGER EntradaBloqueada BEFORE DELETE ON Entrada FOR EACH ROW EXECUTE "
        "FUNCTION EntradaBloqueada()");
  } else {
    Sql("CREATE TRIGGER EntradaBloqueada BEFORE DELETE ON Entrada WHEN old.Entrada = "
        "'tío' BEGIN SELECT RAISE(ABORT, 'La entrada está bloqueada'); END");
  }
  const S nombres{"abuelo", "hermano", "hijo", "padre", "tío", "yerno"};
  for (const auto& nombre : nombres) Entrada(nombre, {}, {}, {nombre + " 1", nombre + " 2"});
  navegador.Load();
  navegador.mnuSearchSearch.Pulsar();
  navegador.TabEntradas.SetSelectedItem(0);
  Seleccionar(navegador.lvEntradas, {"abuelo", "hermano", "hijo"});

  // Only the list of the page shown counts.
  navegador.TabEntradas.SetSelectedItem(1);
  navegador.mnuFileDeleteEntry.Pulsar();
  Vistos({kSeleccion});
  navegador.TabEntradas.SetSelectedItem(0);

  ClicDerecho(navegador.lvEntradas);
  EXPECT_EQ(Menus(), S{"cmEntries > cmEntriesModifyEntry: cmEntriesAddEntry "
                       "cmEntriesModifyEntry cmEntriesDeleteEntry"});
  servicios.respuestas = {ui::Respuesta::No, ui::Respuesta::Si};
  navegador.cmEntriesDeleteEntry.Pulsar();
  EXPECT_EQ(Textos(navegador.lvEntradas), nombres);
  EXPECT_EQ(Textos(navegador.lvBusqueda), nombres);
  EXPECT_EQ(Filas("Entrada"), 6);
  EXPECT_EQ(Filas("Sustituto"), 12);

  navegador.cmEntriesDeleteEntry.Pulsar();
  const S quedan{"padre", "tío", "yerno"};
  EXPECT_EQ(Textos(navegador.lvEntradas), quedan);
  EXPECT_EQ(Textos(navegador.lvBusqueda), quedan);
  EXPECT_EQ(Entradas(), quedan);
  EXPECT_EQ(Sustitutos(), (S{"padre 1", "padre 2", "tío 1", "tío 2", "yerno 1", "yerno 2"}));
  EXPECT_EQ(Cuentas(), "3 elementos / 3 elementos");
  Vistos({kEliminar, kEliminar}, ui::Icono::Pregunta, ui::Botones::SiNo);

  // A refused deletion stops at the error, which is shown; what was deleted before stays deleted.
  Seleccionar(navegador.lvEntradas, quedan);
  servicios.respuestas = {ui::Respuesta::Si};
  navegador.tlbEntries.Pulsar("tbDeleteEntry");
  ASSERT_EQ(servicios.mensajes.size(), 2u);
  EXPECT_NE(servicios.mensajes[1].texto.find("La entrada está bloqueada"), std::string::npos)
      << servicios.mensajes[1].texto;
  EXPECT_EQ(servicios.mensajes[1].icono, ui::Icono::Exclamacion);
  servicios.mensajes.clear();
  EXPECT_EQ(Entradas(), (S{"tío", "yerno"}));
  EXPECT_EQ(Sustitutos(), (S{"tío 1", "tío 2", "yerno 1", "yerno 2"}));
  EXPECT_EQ(Textos(navegador.lvEntradas), (S{"tío", "yerno"}));
  EXPECT_EQ(navegador.GetMousePointer(), ui::Puntero::Predeterminado);
}

TEST_P(FrmEntradasTest, TheTimerShowsTheEditorForANewEntryOrTheOneSelectedInTheListShown) {
  Clases();
  const auto padre = Entrada("padre", 1, 3);
  const auto madre = Entrada("madre", 1, 3);
  navegador.Load();

  // A tick whose editor fails to show says why and leaves the browser ready for another.
  AlMostrar<frmEntrada>([](frmEntrada& editor) {
    editor.Unload(ui::ModoCierre::Usuario);
    throw std::runtime_error("No se ha podido mostrar la ventana");
  });
  navegador.mnuFileAddEntry.Pulsar();
  navegador.TMenu.Disparar();
  Vistos({"No se ha podido mostrar la ventana"}, ui::Icono::Exclamacion);
  EXPECT_FALSE(navegador.GetEditorAbierto());
  EXPECT_FALSE(navegador.TMenu.GetEnabled());
  ClicDerecho(navegador.lvEntradas);
  EXPECT_EQ(servicios.menus.size(), 1u);
  servicios.menus.clear();

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
  servicios.menus.clear();

  // Modify opens the selected entry of the list shown.
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
  EXPECT_EQ(Textos(navegador.lvEntradas), (S{"madre", "progenitor", "sobrino", "tío"}));
  EXPECT_EQ(Textos(navegador.lvEntradas, 2), (S{"Masculino genérico", "Androcentrismo", "", ""}));
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"madre", "progenitor"}));
  EXPECT_EQ(Textos(navegador.lvBusqueda, 2), (S{"Masculino genérico", "Androcentrismo"}));
  EXPECT_EQ(navegador.lvBusqueda.ListItems()[1].Tag, std::to_string(padre));

  // The results page shown with nothing selected in its list.
  navegador.TabEntradas.SetSelectedItem(1);
  navegador.mnuFileModifyEntry.Pulsar();
  Vistos({kSeleccion});
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
  EXPECT_EQ(Textos(navegador.lvEntradas), (S{"progenitor", "progenitora", "sobrino", "tío"}));

  // "Cancelar" alone: nothing changes.
  Seleccionar(navegador.lvBusqueda, {"progenitora"});
  AlMostrarEditor("no guardada", false);
  navegador.mnuFileModifyEntry.Pulsar();
  navegador.TMenu.Disparar();
  EXPECT_EQ(mostrados, 4);
  EXPECT_EQ(Textos(navegador.lvBusqueda), (S{"progenitor", "progenitora"}));
  EXPECT_EQ(Entradas(), (S{"progenitor", "progenitora", "tío", "sobrino"}));
  Vistos({kActualizados});
}

INSTANTIATE_TEST_SUITE_P(Motores, FrmEntradasTest, db::prueba::kMotores, db::prueba::NombreMotor);

}  // namespace
}  // namespace quillora
