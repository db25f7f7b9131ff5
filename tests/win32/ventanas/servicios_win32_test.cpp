#include "servicios_win32.h"

#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>
// clang-format on

#include <functional>

#include "formulario_prueba.h"
#include "imagenes.h"
#include "lectura.h"
#include "mano.h"
#include "ventanas_prueba.h"

namespace quillora::win32::prueba {
namespace {

class ServiciosWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    Diseno diseno;
    diseno.ancho = 420;
    diseno.alto = 520;
    diseno.pestanas = &formulario.tabPaginas;
    diseno.Poner(formulario.tlbHerramientas, {0, 0, 420, 28});
    diseno.Poner(formulario.lblTitulo, {12, 34, 396, 16});
    diseno.Poner(formulario.txtNombre, {12, 54, 396, 22});
    diseno.Poner(formulario.rtfNota, {12, 82, 396, 50});
    diseno.Poner(formulario.fraGrupo, {12, 138, 396, 50});
    diseno.Poner(formulario.imcClase, {24, 156, 200, 22});
    diseno.Poner(formulario.tabPaginas, {12, 196, 396, 200});
    diseno.PonerEnPagina(formulario.lvFilas, {20, 224, 380, 164}, 0);
    diseno.PonerEnPagina(formulario.rtfVista, {20, 224, 380, 164}, 1);
    diseno.Poner(formulario.pbAvance, {12, 404, 396, 18});
    diseno.Poner(formulario.cmdAnadir, {12, 432, 90, 26});
    diseno.Poner(formulario.cmdFallar, {108, 432, 90, 26});
    servicios.SetDiseno(formulario, diseno);
  }

  // Shows the window modally; `accion` acts on it once it is shown, and the window is closed
  // afterwards if it is still open.
  void Mostrar(const std::function<void(HWND)>& accion) {
    servicios.SetAlMostrar([&](ui::Formulario& mostrado, HWND ventana) {
      if (&mostrado != &formulario) return;
      accion(ventana);
      formulario.permitirCierre = true;
      if (formulario.GetCargado()) PostMessageW(ventana, WM_CLOSE, 0, 0);
    });
    servicios.MostrarModal(formulario);
  }

  // Runs the messages until the condition holds, for two seconds at most.
  void Esperar(const std::function<bool()>& condicion) {
    for (int i = 0; i < 400 && !condicion(); ++i) {
      servicios.ProcesarMensajes();
      Sleep(5);
    }
  }

  Vigia vigia{60};
  ServiciosWin32 servicios{GetModuleHandleW(nullptr)};
  FormularioPrueba formulario{servicios};
  Mano mano;
};

TEST_F(ServiciosWin32Test, LoEscritoYLosClicsLleganAlModeloYSusCambiosALaVentana) {
  bool mostrada = false;
  Mostrar([&](HWND ventana) {
    mostrada = true;
    EXPECT_TRUE(IsWindowVisible(ventana));
    EXPECT_EQ(Texto(ventana), "Ventana de prueba");
    EXPECT_EQ(formulario.activaciones, 1);
    EXPECT_EQ(Texto(Ventana(formulario.cmdAnadir)), "&Añadir");

    const HWND caja = Ventana(formulario.txtNombre);
    Escribir(caja, "Begoña");
    EXPECT_EQ(formulario.txtNombre.GetText(), "Begoña");
    EXPECT_EQ(formulario.cambios, 1);
    // Typed beyond the box's length, the model keeps its first ten letters and so does the box.
    Escribir(caja, "áéíóúÁÉÍÓÚñÑ");
    EXPECT_EQ(formulario.txtNombre.GetText(), "áéíóúÁÉÍÓÚ");
    EXPECT_EQ(Texto(caja), "áéíóúÁÉÍÓÚ");

    Pulsar(Ventana(formulario.cmdAnadir));
    Pulsar(Ventana(formulario.cmdAnadir));
    EXPECT_EQ(Texto(Ventana(formulario.lblTitulo)), "Filas: 2");
    EXPECT_EQ(SendMessageW(Ventana(formulario.pbAvance), PBM_GETPOS, 0, 0), 50);
    EXPECT_EQ(SendMessageW(Ventana(formulario.lvFilas), LVM_GETITEMCOUNT, 0, 0), 2);

    // A change the handlers make in code shows too: caption, focus, a disabled button.
    formulario.SetCaption("Otro título");
    formulario.txtNombre.SetFocus();
    formulario.cmdFallar.SetEnabled(false);
    servicios.ProcesarMensajes();
    EXPECT_EQ(Texto(ventana), "Otro título");
    EXPECT_EQ(GetFocus(), caja);
    EXPECT_FALSE(IsWindowEnabled(Ventana(formulario.cmdFallar)));
    // A disabled button's click reaches no handler: it would raise an error.
    Pulsar(Ventana(formulario.cmdFallar));
    EXPECT_TRUE(mano.Mensajes().empty());
  });
  EXPECT_TRUE(mostrada);
}

TEST_F(ServiciosWin32Test, LaListaMuestraFilasYColumnasOrdenaPorLaCabeceraYLlevaLaSeleccion) {
  formulario.lvFilas.Add({"pera", {"10"}, "", false});
  formulario.lvFilas.Add({"Ávila", {"9"}, "", false});
  formulario.lvFilas.Add({"manzana", {"100"}, "", false});
  mano.Elegir(2);  // "Quitar" of the pop-up menu
  Mostrar([&](HWND) {
    const HWND lista = Ventana(formulario.lvFilas);
    const auto celda = [&](int fila, int columna) { return CeldaDeLista(lista, fila, columna); };
    const HWND cabecera = reinterpret_cast<HWND>(SendMessageW(lista, LVM_GETHEADER, 0, 0));
    const auto imagen = [&](int columna) {
      HDITEMW item{};
      item.mask = HDI_FORMAT | HDI_IMAGE;
      SendMessageW(cabecera, HDM_GETITEMW, static_cast<WPARAM>(columna),
                   reinterpret_cast<LPARAM>(&item));
      return (item.fmt & HDF_IMAGE) != 0 ? item.iImage : -1;
    };
    const auto clicCabecera = [&](int columna) {
      RECT rect{};
      SendMessageW(cabecera, HDM_GETITEMRECT, static_cast<WPARAM>(columna),
                   reinterpret_cast<LPARAM>(&rect));
      Clic(cabecera, Centro(rect));
    };
    wchar_t titulo[32] = {};
    LVCOLUMNW columna{};
    columna.mask = LVCF_TEXT;
    columna.pszText = titulo;
    columna.cchTextMax = 32;
    SendMessageW(lista, LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&columna));
    EXPECT_EQ(Estrecho(titulo), "Número");
    EXPECT_EQ(celda(0, 0), "pera");
    EXPECT_EQ(celda(2, 1), "100");
    EXPECT_EQ(imagen(0), kImagenSinOrden);

    // A click on the number column's header sorts by number, ascending, then descending.
    clicCabecera(1);
    EXPECT_EQ(imagen(1), kImagenAscendente);
    EXPECT_EQ(imagen(0), kImagenSinOrden);
    EXPECT_EQ(celda(0, 0), "Ávila");
    EXPECT_EQ(celda(2, 0), "manzana");
    clicCabecera(1);
    EXPECT_EQ(imagen(1), kImagenDescendente);
    EXPECT_EQ(celda(0, 1), "100");

    // Selecting a row selects it in the model; the model's selection shows in the list.
    LVITEMW estado{};
    estado.stateMask = LVIS_SELECTED;
    estado.state = LVIS_SELECTED;
    SendMessageW(lista, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&estado));
    ASSERT_EQ(formulario.lvFilas.ListItems().size(), 3u);
    EXPECT_TRUE(formulario.lvFilas.ListItems()[1].Selected);
    EXPECT_FALSE(formulario.lvFilas.ListItems()[0].Selected);
    formulario.lvFilas.ListItems()[2].Selected = true;
    servicios.ProcesarMensajes();
    EXPECT_EQ(SendMessageW(lista, LVM_GETSELECTEDCOUNT, 0, 0), 2);

    RECT fila{};
    fila.left = LVIR_LABEL;
    SendMessageW(lista, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&fila));
    const auto punto = Centro(fila);
    SendMessageW(lista, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(punto.x, punto.y));
    EXPECT_EQ(formulario.doblesClics, 1);

    // The right button lets go over the list: its pop-up menu, "Quitar" in bold, is chosen from.
    PostMessageW(lista, WM_RBUTTONUP, 0, MAKELPARAM(punto.x, punto.y));
    SendMessageW(lista, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(punto.x, punto.y));
    servicios.ProcesarMensajes();
  });
  EXPECT_EQ(formulario.botones, std::vector<int>{ui::kBotonDerecho});
  const auto menus = mano.Menus();
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].entradas, (std::vector<std::string>{"Añadir", "-", "Quitar"}));
  EXPECT_EQ(menus[0].predeterminada, 2);
  EXPECT_EQ(formulario.menus, std::vector<std::string>{"Quitar"});
}

TEST_F(ServiciosWin32Test, ComboTextoEnriquecidoPestanasYTemporizador) {
  formulario.rtfVista.SetTextRTF(
      "{\\rtf1\\ansi{\\b Clasificaci\\'f3n} ni\\u241?o y \xC3\xB1"
      "and\xC3\xBA\\par}");
  formulario.imcClase.SetSelectedItem(0);
  formulario.tmrReloj.SetEnabled(true);
  Mostrar([&](HWND ventana) {
    const HWND vista = Ventana(formulario.rtfVista);
    EXPECT_EQ(Texto(vista), "Clasificación niño y ñandú");
    SendMessageW(vista, EM_SETSEL, 0, 5);
    CHARFORMAT2W formato{};
    formato.cbSize = sizeof formato;
    SendMessageW(vista, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&formato));
    EXPECT_NE(formato.dwEffects & CFE_BOLD, 0u);
    EXPECT_NE(GetWindowLongW(vista, GWL_STYLE) & ES_READONLY, 0);

    // What is typed into the editable box reaches its model as a document.
    const HWND nota = Ventana(formulario.rtfNota);
    SendMessageW(nota, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"Señora"));
    EXPECT_EQ(formulario.rtfNota.GetText(), "Señora");
    EXPECT_TRUE(formulario.rtfNota.GetTextRTF().starts_with("{\\rtf"));

    // The combo lists the model's items and takes the user's choice.
    const HWND combo = Ventana(formulario.imcClase);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    const auto interior = reinterpret_cast<HWND>(SendMessageW(combo, CBEM_GETCOMBOCONTROL, 0, 0));
    SendMessageW(interior, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(formulario.imcClase.GetText(), "Uno");
    formulario.imcClase.SetSelectedItem(2);
    servicios.ProcesarMensajes();
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);

    // A click on the second tab shows its page.
    const HWND pestanas = Ventana(formulario.tabPaginas);
    EXPECT_TRUE(IsWindowVisible(Ventana(formulario.lvFilas)));
    EXPECT_FALSE(IsWindowVisible(vista));
    RECT segunda{};
    SendMessageW(pestanas, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&segunda));
    Clic(pestanas, Centro(segunda));
    EXPECT_EQ(formulario.tabPaginas.GetSelectedItem(), 1u);
    EXPECT_EQ(formulario.clicsPestanas, 1);
    EXPECT_FALSE(IsWindowVisible(Ventana(formulario.lvFilas)));
    EXPECT_TRUE(IsWindowVisible(vista));

    // The timer ticks while it is enabled; the model stops it after three ticks.
    Esperar([&] { return formulario.tics >= 3; });
    EXPECT_EQ(formulario.tics, 3);
    Sleep(100);
    MSG tic;
    EXPECT_FALSE(PeekMessageW(&tic, ventana, WM_TIMER, WM_TIMER, PM_NOREMOVE));
    servicios.ProcesarMensajes();
    EXPECT_EQ(formulario.tics, 3);
  });
}

TEST_F(ServiciosWin32Test, LaBarraDeMenusYLaDeHerramientasPulsanSusEntradas) {
  Mostrar([&](HWND ventana) {
    const HMENU barra = GetMenu(ventana);
    ASSERT_NE(barra, nullptr);
    EXPECT_EQ(GetMenuItemCount(barra), 1);  // the pop-up menu is not on the bar
    const HMENU archivo = GetSubMenu(barra, 0);
    EXPECT_EQ(GetMenuItemCount(archivo), 3);
    EXPECT_NE(GetMenuState(archivo, 2, MF_BYPOSITION) & MF_GRAYED, 0u);
    SendMessageW(ventana, WM_COMMAND, MAKEWPARAM(GetMenuItemID(archivo, 0), 0), 0);
    EXPECT_EQ(formulario.menus, std::vector<std::string>{"Abrir"});
    // A disabled entry's command reaches no handler.
    SendMessageW(ventana, WM_COMMAND, MAKEWPARAM(GetMenuItemID(archivo, 2), 0), 0);
    EXPECT_EQ(formulario.menus.size(), 1u);

    const HWND herramientas = Ventana(formulario.tlbHerramientas);
    EXPECT_EQ(SendMessageW(herramientas, TB_BUTTONCOUNT, 0, 0), 2);
    TBBUTTON boton{};
    SendMessageW(herramientas, TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&boton));
    SendMessageW(ventana, WM_COMMAND, MAKEWPARAM(boton.idCommand, BN_CLICKED),
                 reinterpret_cast<LPARAM>(herramientas));
    EXPECT_EQ(formulario.claves, std::vector<std::string>{"tbSearch"});
  });
}

TEST_F(ServiciosWin32Test, LaCasillaDeCierrePreguntaAlFormularioQuePuedeNegarse) {
  HWND mostrada = nullptr;
  formulario.permitirCierre = false;
  servicios.SetAlMostrar([&](ui::Formulario&, HWND ventana) {
    mostrada = ventana;
    SendMessageW(ventana, WM_CLOSE, 0, 0);
    EXPECT_EQ(formulario.negativas, 1);
    EXPECT_TRUE(formulario.GetCargado());
    EXPECT_TRUE(IsWindowVisible(ventana));
    formulario.permitirCierre = true;
    SendMessageW(ventana, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  servicios.MostrarModal(formulario);
  EXPECT_FALSE(formulario.GetCargado());
  EXPECT_FALSE(IsWindow(mostrada));
  EXPECT_EQ(formulario.GetHwnd(), 0);
  EXPECT_EQ(formulario.cmdAnadir.GetHwnd(), 0);
  EXPECT_EQ(servicios.VentanaDe(formulario), nullptr);
}

TEST_F(ServiciosWin32Test, UnErrorDeUnManejadorSeMuestraYLaVentanaSigue) {
  Mostrar([&](HWND ventana) {
    Pulsar(Ventana(formulario.cmdFallar));
    EXPECT_TRUE(IsWindowVisible(ventana));
    Pulsar(Ventana(formulario.cmdAnadir));
    EXPECT_EQ(Texto(Ventana(formulario.lblTitulo)), "Filas: 1");
  });
  const auto mensajes = mano.Mensajes();
  ASSERT_EQ(mensajes.size(), 1u);
  EXPECT_EQ(mensajes[0].titulo, "Quillora");
  EXPECT_EQ(mensajes[0].texto, "Algo ha fallado");
  EXPECT_EQ(mensajes[0].icono, reinterpret_cast<std::uintptr_t>(IDI_EXCLAMATION));
}

TEST_F(ServiciosWin32Test, ElBordeFinoLlegaALaVentanaYASusBotones) {
  // The form styles itself while it loads, before it is shown: its windows are made for that.
  formulario.Load();
  const HWND ventana = servicios.VentanaDe(formulario);
  ASSERT_NE(ventana, nullptr);
  EXPECT_FALSE(IsWindowVisible(ventana));
  const auto borde = [](HWND hwnd) {
    return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_STATICEDGE) != 0;
  };
  EXPECT_TRUE(borde(ventana));
  EXPECT_TRUE(borde(Ventana(formulario.cmdAnadir)));
  EXPECT_TRUE(borde(Ventana(formulario.cmdFallar)));
  EXPECT_FALSE(borde(Ventana(formulario.imcClase)));
  EXPECT_FALSE(borde(Ventana(formulario.pbAvance)));
  // The same windows are shown.
  Mostrar([&](HWND mostrada) { EXPECT_EQ(mostrada, ventana); });
}

TEST_F(ServiciosWin32Test, UnMensajeDevuelveElBotonPulsado) {
  mano.Responder({IDNO, IDYES, IDCANCEL});
  EXPECT_EQ(servicios.MsgBox("¿Está seguro?", ui::Icono::Pregunta, ui::Botones::SiNo, "Quillora"),
            ui::Respuesta::No);
  EXPECT_EQ(servicios.MsgBox("¿Seguro?", ui::Icono::Pregunta, ui::Botones::SiNo, "Quillora"),
            ui::Respuesta::Si);
  EXPECT_EQ(servicios.MsgBox("Atención", ui::Icono::Exclamacion, ui::Botones::AceptarCancelar,
                             "Otro título"),
            ui::Respuesta::Cancelar);
  EXPECT_EQ(servicios.MsgBox("Hecho", ui::Icono::Informacion, ui::Botones::Aceptar, "Quillora"),
            ui::Respuesta::Aceptar);
  const auto mensajes = mano.Mensajes();
  ASSERT_EQ(mensajes.size(), 4u);
  EXPECT_EQ(mensajes[0].texto, "¿Está seguro?");
  EXPECT_EQ(mensajes[0].botones, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(mensajes[0].icono, reinterpret_cast<std::uintptr_t>(IDI_QUESTION));
  EXPECT_EQ(mensajes[2].titulo, "Otro título");
  EXPECT_EQ(mensajes[2].botones, (std::vector<int>{IDOK, IDCANCEL}));
  EXPECT_EQ(mensajes[3].botones, std::vector<int>{IDOK});
  EXPECT_EQ(mensajes[3].icono, reinterpret_cast<std::uintptr_t>(IDI_ASTERISK));
}

TEST_F(ServiciosWin32Test, ElPortapapelesGuardaTextoUnicode) {
  const std::string texto = "Entrada: niño\r\n\r\nSugerencias:\r\n    infancia €";
  servicios.SetPortapapeles(texto);
  EXPECT_EQ(servicios.GetPortapapeles(), texto);
  ASSERT_TRUE(OpenClipboard(nullptr));
  const auto* ancho = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  ASSERT_NE(ancho, nullptr);
  EXPECT_EQ(std::wstring(ancho), L"Entrada: ni\u00f1o\r\n\r\nSugerencias:\r\n    infancia \u20ac");
  CloseClipboard();
}

TEST_F(ServiciosWin32Test, ElSeparadorDeMilesEsElQueWindowsUsaAlAgruparNumeros) {
  wchar_t numero[32] = {};
  ASSERT_GT(GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, L"1234", nullptr, numero, 32), 0);
  const std::wstring agrupado = numero;
  EXPECT_EQ(agrupado.substr(1, agrupado.find(L'2') - 1), Ancho(servicios.GetSeparadorMiles()));
}

}  // namespace
}  // namespace quillora::win32::prueba
