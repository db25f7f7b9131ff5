// The entry editor over a real dictionary database, on every engine.
#include "editor/frm_entrada.h"

#include "editor_prueba.h"

namespace quillora {
namespace {

using prueba::S;

constexpr const char* kActualizados = "Datos actualizados satisfactoriamente";

class FrmEntradaTest : public prueba::PruebaEditor {
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

  // The stored entry: "Entrada|Morfologia|Sexismo".
  std::string Guardada(std::int32_t id) {
    const auto sql =
        "Select Entrada, Morfologia, Sexismo from Entrada Where IdEntrada = " + std::to_string(id);
    return Columna(sql, "Entrada").at(0) + "|" + Columna(sql, "Morfologia").at(0) + "|" +
           Columna(sql, "Sexismo").at(0);
  }
  std::string Etimologia(std::int32_t id) {
    return Valor("Select Etimologia from Entrada Where IdEntrada = " + std::to_string(id));
  }
  S Sustitutos(std::int32_t entrada) {
    return Columna("Select Sustituto from Sustituto Where Entrada = " + std::to_string(entrada) +
                       " Order By Sustituto",
                   "Sustituto");
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
    ventana.txtEntrada.Escribir(blanco);
    ventana.cmdAceptar.Pulsar();
    EXPECT_EQ(ventana.txtEntrada.GetParent()->GetActiveControl(), &ventana.txtEntrada);
  }
  // Names the dictionary would take for one it has: letter case and outer blanks do not count.
  for (const auto* repetido : {"  CASA  ", "ÁRBOL", "Nota [1]", "L'Enfant"}) {
    ventana.txtEntrada.Escribir(repetido);
    ventana.cmdAplicar.Pulsar();
  }
  EXPECT_EQ(ventana.txtEntrada.GetText(), "L'Enfant");
  ventana.txtEntrada.Escribir("  CASA  ");
  ventana.cmdAceptar.Pulsar();
  EXPECT_EQ(ventana.txtEntrada.GetText(), "CASA");  // trimmed, not saved
  S avisos(2, "El nombre de la entrada no puede estar vacío");
  avisos.resize(7, "El nombre de la entrada ya existe para otra entrada");
  EXPECT_EQ(Mensajes(), avisos);
  Aspecto(0, ui::Icono::Exclamacion);
  EXPECT_TRUE(ventana.GetCargado());
  EXPECT_FALSE(ventana.GetBOk());
  EXPECT_EQ(Filas("Entrada"), 4);
  servicios.mensajes.clear();

  // An accent makes another name.
  ventana.txtEntrada.Escribir("  cása  ");
  Elegir(ventana.imcMorfologia, "Sustantivo");
  ventana.cmdAceptar.Pulsar();
  EXPECT_TRUE(Mensajes().empty());
  EXPECT_FALSE(ventana.GetCargado());
  EXPECT_TRUE(ventana.GetBOk());
  EXPECT_EQ(ventana.txtEntrada.GetText(), "cása");
  EXPECT_EQ(Guardada(ventana.GetIdEntry()), "cása|1|<nulo>");
  EXPECT_EQ(Etimologia(ventana.GetIdEntry()), "<nulo>");
  EXPECT_EQ(Filas("Entrada"), 5);
}

TEST_P(FrmEntradaTest, ApplyMakesTheEntryExistSoLaterSavesUpdateItAndAlternativesOpen) {
  Abrir();
  ClicDerecho(ventana.lvSustitutos);
  EXPECT_TRUE(servicios.menus.empty());  // no alternatives before the entry exists

  ventana.txtEntrada.Escribir("O'Donnell");
  ventana.cmdAplicar.Pulsar();
  ASSERT_EQ(Mensajes(), S{kActualizados});
  Aspecto(0, ui::Icono::Informacion);
  EXPECT_TRUE(ventana.GetCargado());
  EXPECT_TRUE(ventana.GetBOk());
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

  // A second "Aplicar" writes the same row.
  ventana.txtEntrada.Escribir(" O'Donnell (apellido) ");
  Elegir(ventana.imcSexismo, "Androcentrismo");
  ventana.cmdAplicar.Pulsar();
  EXPECT_EQ(ventana.GetIdEntry(), id);
  EXPECT_EQ(Filas("Entrada"), 1);

  // "Cancelar" drops what was typed since, but what was applied stays applied.
  ventana.txtEntrada.Escribir("otro nombre");
  ventana.cmdCancelar.Pulsar();
  EXPECT_FALSE(ventana.GetCargado());
  EXPECT_TRUE(ventana.GetBOk());
  EXPECT_EQ(Guardada(id), "O'Donnell (apellido)|<nulo>|4");
  EXPECT_EQ(Mensajes(), S(2, kActualizados));

  // A window loaded again starts over.
  Abrir();
  EXPECT_FALSE(ventana.GetBOk());
  EXPECT_EQ(ventana.GetIdEntry(), -1);
  EXPECT_TRUE(ventana.lvSustitutos.ListItems().empty());
}

TEST_P(FrmEntradaTest, AStoredEntryIsShownAndSavedUnderItsOwnName) {
  const auto id = Entrada("  casa  ", 1, 99);  // no sexism class has the key 99
  const auto otra = Entrada("piso", 2, 3);
  Sustituto(id, "vivienda");
  Sustituto(id, " hogar ", " en general ");
  Sustituto(otra, "apartamento");
  Abrir(id);
  EXPECT_EQ(ventana.GetIdEntry(), id);
  EXPECT_EQ(ventana.txtEntrada.GetText(), "casa");
  EXPECT_EQ(ventana.imcMorfologia.GetText(), "Sustantivo");
  EXPECT_EQ(ventana.imcSexismo.GetText(), "<Ninguno>");
  EXPECT_EQ(ventana.RTBEtimologia.GetText(), "");
  EXPECT_EQ(Textos(ventana.lvSustitutos), (S{"hogar", "vivienda"}));
  EXPECT_EQ(Textos(ventana.lvSustitutos, 1), (S{"en general", ""}));

  ventana.cmdAceptar.Pulsar();
  EXPECT_TRUE(Mensajes().empty());
  EXPECT_TRUE(ventana.GetBOk());
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
  EXPECT_TRUE(Mensajes().empty());
}

TEST_P(FrmEntradaTest, CopySuggestionPutsWhatTheWindowShowsOnTheClipboard) {
  const auto id = Entrada("casa");
  Sustituto(id, "vivienda", "formal");
  Sustituto(id, "hogar");
  Abrir(id);
  ventana.cmdCopiar.Pulsar();
  EXPECT_EQ(servicios.portapapeles,
            "Entrada: casa\r\n\r\nClasificación morfológica: <Ninguno>\r\n\r\n"
            "Clasificación sexista: <Ninguno>\r\n\r\nSugerencias:\r\n    hogar\r\n    vivienda");

  // The name as typed, the classes chosen and the comment's plain text.
  ventana.txtEntrada.Escribir(" casa ");
  Elegir(ventana.imcMorfologia, "Sustantivo");
  Elegir(ventana.imcSexismo, "Androcentrismo");
  ventana.RTBEtimologia.Escribir("Palabra neutra.");
  ventana.cmdCopiar.Pulsar();
  EXPECT_EQ(servicios.portapapeles,
            "Entrada:  casa \r\n\r\nClasificación morfológica: Sustantivo\r\n\r\n"
            "Clasificación sexista: Androcentrismo\r\n\r\nComentario: Palabra neutra.\r\n\r\n"
            "Sugerencias:\r\n    hogar\r\n    vivienda");
  ventana.cmdCancelar.Pulsar();

  Abrir();
  ventana.cmdCopiar.Pulsar();
  EXPECT_EQ(servicios.portapapeles,
            "Entrada: \r\n\r\nClasificación morfológica: <Ninguno>\r\n\r\n"
            "Clasificación sexista: <Ninguno>");
  EXPECT_TRUE(Mensajes().empty());
}

TEST_P(FrmEntradaTest, ChangesDeletesAndSortsTheAlternatives) {
  const auto id = Entrada("casa");
  Sustituto(id, "vivienda");
  Sustituto(id, "hogar");
  Sustituto(id, "domicilio");
  const auto otra = Entrada("piso");
  Sustituto(otra, "hogar");
  Abrir(id);
  auto& lista = ventana.lvSustitutos;
  EXPECT_EQ(Textos(lista), (S{"domicilio", "hogar", "vivienda"}));

  lista.DblClick();
  ventana.mnuSubstitutesDeleteSubstitute.Pulsar();
  EXPECT_EQ(Mensajes(), S(2, "Tiene que seleccionar alguna sugerencia"));
  servicios.mensajes.clear();

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
  EXPECT_EQ(Mensajes(), S(2, "¿Está seguro de que desea eliminar los elementos seleccionados?"));
  Aspecto(0, ui::Icono::Pregunta, ui::Botones::SiNo);

  // Changes to alternatives are written at once: cancelling the entry keeps them.
  ventana.cmdCancelar.Pulsar();
  EXPECT_FALSE(ventana.GetBOk());
  EXPECT_EQ(Sustitutos(id), S{"residencia"});

  // As Spanish text, by the clicked column.
  Sustituto(id, "Zona", "b");
  Sustituto(id, "zapato", "c");
  Sustituto(id, "abad", "a");
  Sustituto(id, "Ábaco", "d");
  Sql("Delete From Sustituto Where Sustituto = 'residencia'");
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

}  // namespace
}  // namespace quillora
