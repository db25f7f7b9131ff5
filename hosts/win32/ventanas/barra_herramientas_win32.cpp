#include <map>

#include "controles.h"
#include "texto_win32.h"
#include "ui/barra_herramientas.h"

namespace quillora::win32 {

namespace {

// The picture of each key the add-in's tool bars use; other keys show their text alone.
const std::map<std::string, ImagenHerramienta, std::less<>> kImagenes = {
    {"tbAddEntry", ImagenHerramienta::Anadir},
    {"tbModifyEntry", ImagenHerramienta::Modificar},
    {"tbDeleteEntry", ImagenHerramienta::Eliminar},
    {"tbSearch", ImagenHerramienta::Buscar},
    {"tbExit", ImagenHerramienta::Salir}};

}  // namespace

BarraHerramientasWin32::BarraHerramientasWin32(Anfitrion& anfitrion, ui::BarraHerramientas& modelo,
                                               int id)
    : ControlWin32(anfitrion, modelo, id), barra_(modelo) {}

void BarraHerramientasWin32::Crear(const RECT& rect, const Colocacion& /*colocacion*/) {
  const HWND ventana = CrearVentana(0, TOOLBARCLASSNAMEW, L"",
                                    TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                        CCS_NOPARENTALIGN | CCS_NODIVIDER,
                                    rect);
  SendMessageW(ventana, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  imagenes_ = ImagenesHerramientas(anfitrion_.Escala(16));
  SendMessageW(ventana, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imagenes_.Get()));
  const auto& botones = barra_.Buttons();
  for (const auto& boton : botones) textos_.push_back(Ancho(boton.Text));
  std::vector<TBBUTTON> tb(botones.size());
  for (std::size_t i = 0; i < botones.size(); ++i) {
    const auto imagen = kImagenes.find(botones[i].Key);
    tb[i].iBitmap = imagen == kImagenes.end() ? I_IMAGENONE : static_cast<int>(imagen->second);
    tb[i].idCommand = static_cast<int>(i);
    tb[i].fsState = TBSTATE_ENABLED;
    tb[i].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
    tb[i].iString = reinterpret_cast<INT_PTR>(textos_[i].c_str());
  }
  SendMessageW(ventana, TB_ADDBUTTONSW, tb.size(), reinterpret_cast<LPARAM>(tb.data()));
}

void BarraHerramientasWin32::Comando(WORD id, WORD /*codigo*/) {
  const auto& botones = barra_.Buttons();
  if (id >= botones.size()) return;
  const auto clave = botones[id].Key;
  anfitrion_.Atender([this, clave] { barra_.Pulsar(clave); });
}

}  // namespace quillora::win32
