#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "base_prueba.h"
#include "editor/frm_entrada.h"
#include "editor/frm_entradas.h"
#include "editor/frm_sustituto.h"
#include "lectura.h"
#include "mano.h"
#include "origen_wine.h"
#include "servicios_win32.h"
#include "ventanas_prueba.h"

namespace quillora::win32::prueba {
namespace {

// The dictionary editor's windows shown modally over the real models, on a SQLite database that
// the build machine's ODBC driver manager reaches through Wine.
class EditorWin32Test : public ::testing::Test {
 protected:
  // Acts on each window as it is shown: `acciones` by the window's caption.
  void AlMostrar(std::function<void(ui::Formulario&, HWND)> accion) {
    servicios.SetAlMostrar(std::move(accion));
  }

  static int Filas(HWND lista) {
    return static_cast<int>(SendMessageW(lista, LVM_GETITEMCOUNT, 0, 0));
  }
  static std::string Elegido(HWND combo) {
    const auto posicion = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    wchar_t texto[128] = {};
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = posicion;
    item.pszText = texto;
    item.cchTextMax = 128;
    SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return Estrecho(texto);
  }
  // A right click below the rows, where it selects none.
  static void ClicDerecho(HWND lista) {
    RECT rect{};
    GetClientRect(lista, &rect);
    const auto lugar = MAKELPARAM(10, rect.bottom - 5);
    PostMessageW(lista, WM_RBUTTONUP, 0, lugar);
    SendMessageW(lista, WM_RBUTTONDOWN, MK_RBUTTON, lugar);
  }
  static void DobleClic(HWND lista, int fila) {
    RECT rect{};
    rect.left = LVIR_LABEL;
    SendMessageW(lista, LVM_GETITEMRECT, static_cast<WPARAM>(fila),
                 reinterpret_cast<LPARAM>(&rect));
    const auto punto = Centro(rect);
    Clic(lista, punto);
    SendMessageW(lista, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(punto.x, punto.y));
  }

  Vigia vigia{90};
  OrigenWine origen{DiccionarioPrueba()};
  ServiciosWin32 servicios{GetModuleHandleW(nullptr)};
  Mano mano;
};

TEST_F(EditorWin32Test, LaAlternativaSeValidaYSeGuardaDesdeSuVentana) {
  frmSustituto ventana(servicios);
  ventana.Load();
  ventana.SetIdEntry(IdEntrada(origen, "hombre"));
  AlMostrar([&](ui::Formulario&, HWND hwnd) {
    EXPECT_EQ(Texto(hwnd), "Alternativa");
    const HWND entrada = Ventana(ventana.txtEntrada);
    EXPECT_EQ(Texto(entrada), "hombre");
    EXPECT_NE(GetWindowLongW(entrada, GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(Texto(Ventana(ventana.Frame1)), "Contexto");
    // Nothing written: the message, the window stays and the box has the focus.
    Pulsar(Ventana(ventana.cmdAceptar));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetFocus(), Ventana(ventana.txtSustituto));
    // The same text as another alternative of the entry.
    Escribir(Ventana(ventana.txtSustituto), "persona");
    Pulsar(Ventana(ventana.cmdAceptar));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    Escribir(Ventana(ventana.txtSustituto), "  mujer u hombre ");
    Escribir(Ventana(ventana.txtContexto), "Línea uno\r\nlínea dos");
    Pulsar(Ventana(ventana.cmdAceptar));
  });
  servicios.MostrarModal(ventana);
  EXPECT_FALSE(ventana.GetCargado());
  EXPECT_TRUE(ventana.GetBOk());
  EXPECT_GT(ventana.GetIdSustituto(), 0);
  EXPECT_EQ(Columna(origen, "Select Contexto From Sustituto Where Sustituto = 'mujer u hombre'",
                    "Contexto"),
            std::vector<std::string>{"Línea uno\r\nlínea dos"});
  const auto mensajes = mano.Mensajes();
  ASSERT_EQ(mensajes.size(), 2u);
  EXPECT_EQ(mensajes[0].texto, "El texto de la alternativa no puede estar vacío");
  EXPECT_EQ(mensajes[1].texto, "Ya existe una alternativa con el mismo texto para la entrada");
}

TEST_F(EditorWin32Test, LaEntradaMuestraSusDatosCopiaLaSugerenciaYAnadeUnaAlternativa) {
  frmEntrada ventana(servicios);
  ventana.Load();
  ventana.SetIdEntry(IdEntrada(origen, "hombre"));
  ventana.Cargar();
  mano.Elegir(0);  // "Añadir alternativa"
  AlMostrar([&](ui::Formulario& mostrado, HWND hwnd) {
    if (&mostrado == &ventana.EditorSustituto()) {
      auto& sustituto = ventana.EditorSustituto();
      EXPECT_EQ(Texto(Ventana(sustituto.txtEntrada)), "hombre");
      Escribir(Ventana(sustituto.txtSustituto), "gente");
      Pulsar(Ventana(sustituto.cmdAceptar));
      return;
    }
    EXPECT_EQ(Texto(hwnd), "Entrada");
    EXPECT_EQ(Texto(Ventana(ventana.txtEntrada)), "hombre");
    EXPECT_EQ(Elegido(Ventana(ventana.imcMorfologia)), "Sustantivo");
    EXPECT_EQ(Elegido(Ventana(ventana.imcSexismo)), "Genérico masculino");
    EXPECT_EQ(SendMessageW(Ventana(ventana.imcSexismo), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(Texto(Ventana(ventana.RTBEtimologia)), "Se usa por «persona».");
    const HWND lista = Ventana(ventana.lvSustitutos);
    ASSERT_EQ(Filas(lista), 2);
    EXPECT_EQ(CeldaDeLista(lista, 0, 0), "persona");
    EXPECT_EQ(CeldaDeLista(lista, 0, 1), "en general");

    Pulsar(Ventana(ventana.cmdCopiar));
    EXPECT_EQ(servicios.GetPortapapeles(),
              "Entrada: hombre\r\n\r\nClasificación morfológica: Sustantivo\r\n\r\n"
              "Clasificación sexista: Genérico masculino\r\n\r\nComentario: Se usa por "
              "«persona».\r\n\r\nSugerencias:\r\n    persona\r\n    ser humano");

    // The list's pop-up menu opens the alternative editor over this window.
    ClicDerecho(lista);
    ASSERT_EQ(Filas(lista), 3);
    EXPECT_EQ(CeldaDeLista(lista, 0, 0), "gente");
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    Pulsar(Ventana(ventana.cmdCancelar));
  });
  servicios.MostrarModal(ventana);
  EXPECT_FALSE(ventana.GetBOk());
  const auto menus = mano.Menus();
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].entradas,
            (std::vector<std::string>{"Añadir alternativa", "Modificar alternativa", "-",
                                      "Eliminar alternativas"}));
  EXPECT_EQ(menus[0].predeterminada, 1);
  EXPECT_FALSE(menus[0].habilitadas[3]);  // no row selected
  EXPECT_EQ(Columna(origen, "Select Contexto From Sustituto Where Sustituto = 'gente'", "Contexto"),
            std::vector<std::string>{"(Null)"});
}

TEST_F(EditorWin32Test, ElNavegadorBuscaYAbreElEditorDeLaEntradaConSuTemporizador) {
  frmEntradas ventana(servicios);
  bool editorMostrado = false;
  AlMostrar([&](ui::Formulario& mostrado, HWND hwnd) {
    if (&mostrado == &ventana.EditorEntrada()) {
      editorMostrado = true;
      EXPECT_EQ(Texto(Ventana(ventana.EditorEntrada().txtEntrada)), "los alumnos");
      EXPECT_FALSE(IsWindowEnabled(servicios.VentanaDe(ventana)));
      Pulsar(Ventana(ventana.EditorEntrada().cmdCancelar));
      return;
    }
    EXPECT_EQ(Texto(hwnd), "Quillora");
    const HWND entradas = Ventana(ventana.lvEntradas);
    EXPECT_EQ(Filas(entradas), 4);
    EXPECT_EQ(CeldaDeLista(entradas, 0, 0), "hombre");  // sorted by text
    EXPECT_EQ(Texto(Ventana(ventana.lbNumeroEntradas)), "4 elementos");
    EXPECT_EQ(Elegido(Ventana(ventana.imcMorfologia)), "<Ninguno>");
    EXPECT_FALSE(IsWindowVisible(Ventana(ventana.lvBusqueda)));

    // A search from the tool bar shows the second page with what it found.
    Escribir(Ventana(ventana.txtEntrada), "alumno");
    const HWND herramientas = Ventana(ventana.tlbEntries);
    TBBUTTON buscar{};
    SendMessageW(herramientas, TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&buscar));
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(buscar.idCommand, BN_CLICKED),
                 reinterpret_cast<LPARAM>(herramientas));
    const HWND busqueda = Ventana(ventana.lvBusqueda);
    EXPECT_EQ(SendMessageW(Ventana(ventana.TabEntradas), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(busqueda));
    EXPECT_FALSE(IsWindowVisible(entradas));
    ASSERT_EQ(Filas(busqueda), 1);
    EXPECT_EQ(Texto(Ventana(ventana.lbNumeroBusqueda)), "1 elementos");

    // A double click asks for the editor, which the timer shows a moment later.
    DobleClic(busqueda, 0);
    EXPECT_TRUE(ventana.GetEditorAbierto());
    for (int i = 0; i < 200 && ventana.GetEditorAbierto(); ++i) {
      servicios.ProcesarMensajes();
      Sleep(10);
    }
    EXPECT_FALSE(ventana.GetEditorAbierto());
    EXPECT_TRUE(IsWindowEnabled(hwnd));

    // "Salir" of the menu "Archivo" closes the window.
    const HMENU archivo = GetSubMenu(GetMenu(hwnd), 0);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(GetMenuItemID(archivo, 5), 0), 0);
  });
  servicios.MostrarModal(ventana);
  EXPECT_TRUE(editorMostrado);
  EXPECT_FALSE(ventana.GetCargado());
  EXPECT_TRUE(mano.Mensajes().empty());
}

}  // namespace
}  // namespace quillora::win32::prueba
