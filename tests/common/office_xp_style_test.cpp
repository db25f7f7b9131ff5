#include "common/office_xp_style.h"

#include <gtest/gtest.h>

#include "ui/barra_progreso.h"
#include "ui/boton.h"
#include "ui/cuadro_texto.h"
#include "ui/formulario.h"
#include "ui/menu.h"
#include "ui/temporizador.h"
#include "ui/ventanas_memoria.h"
#include "ui/vista_lista.h"

namespace quillora::office_xp_style {
namespace {

class Dialogo : public ui::Formulario {
 public:
  explicit Dialogo(bool conBotones) : Formulario("Quillora") {
    if (conBotones) {
      Registrar({&txtEntrada, &cmdAceptar, &pbQuillora, &lvLista, &tmrEspera, &mnuContexto,
                 &cmdCancelar});
    } else {
      Registrar({&txtEntrada, &tmrEspera, &mnuContexto});
    }
  }
  ui::CuadroTexto txtEntrada{"txtEntrada"};
  ui::Boton cmdAceptar{"cmdAceptar", "&Aceptar"};
  ui::BarraProgreso pbQuillora{"pbQuillora"};
  ui::VistaLista lvLista{"lvLista"};
  ui::Temporizador tmrEspera{"tmrEspera"};
  ui::Boton mnuCopiar{"mnuCopiar", "&Copiar"};
  ui::Menu mnuContexto{"mnuContexto", "", {&mnuCopiar}};
  ui::Boton cmdCancelar{"cmdCancelar", "&Cancelar"};
};

TEST(OfficeXpStyle, BordersTheFormAndItsButtonsOnly) {
  ui::VentanasMemoria ventanas;
  Dialogo dialogo(true);
  const auto estilo = [&ventanas](ui::Control& control) {
    return ventanas.GetWindowLongA(*ventanas.HwndDe(control), ui::kGwlExStyle);
  };
  // A style bit the button had already is kept.
  ventanas.SetWindowLongA(*ventanas.HwndDe(dialogo.cmdCancelar), ui::kGwlExStyle, 0x100);
  AplicarEstilo(ventanas, dialogo);
  AplicarEstilo(ventanas, dialogo);

  EXPECT_EQ(ventanas.GetWindowLongA(ventanas.HwndDe(dialogo), ui::kGwlExStyle), 0x20000);
  EXPECT_EQ(estilo(dialogo.cmdAceptar), 0x20000);
  EXPECT_EQ(estilo(dialogo.cmdCancelar), 0x20100);
  EXPECT_EQ(estilo(dialogo.txtEntrada) | estilo(dialogo.pbQuillora) | estilo(dialogo.lvLista), 0);
  EXPECT_EQ(ventanas.HwndDe(dialogo.tmrEspera), std::nullopt);
  EXPECT_EQ(dialogo.mnuContexto.Entradas().front()->GetHwnd(), 0);
  std::vector<ui::Hwnd> redibujadas;
  for (const auto& llamada : ventanas.LlamadasPosicion()) {
    redibujadas.push_back(llamada.hwnd);
    EXPECT_EQ(llamada.insertarDespues, 0);
    EXPECT_EQ(llamada.flags, 0x227u);
  }
  const auto hwnds = {dialogo.GetHwnd(), dialogo.cmdAceptar.GetHwnd(),
                      dialogo.cmdCancelar.GetHwnd()};
  std::vector<ui::Hwnd> dosVeces(hwnds);
  dosVeces.insert(dosVeces.end(), hwnds);
  EXPECT_EQ(redibujadas, dosVeces);

  ui::VentanasMemoria otras;
  Dialogo sinBotones(false);
  AplicarEstilo(otras, sinBotones);
  ASSERT_EQ(otras.LlamadasPosicion().size(), 1u);
  EXPECT_EQ(otras.LlamadasPosicion()[0].hwnd, sinBotones.GetHwnd());
  EXPECT_EQ(otras.GetWindowLongA(sinBotones.GetHwnd(), ui::kGwlExStyle), 0x20000);
}

}  // namespace
}  // namespace quillora::office_xp_style
