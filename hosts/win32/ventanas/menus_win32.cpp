#include "menus_win32.h"

#include <stdexcept>

#include "texto_win32.h"
#include "ui/menu.h"

namespace quillora::win32 {

namespace {

// Adds the menu's visible entries to `hmenu`, numbered from `primerId` in the order of
// `entradas`, to which each is appended.
void AnadirEntradas(HMENU hmenu, const ui::Menu& menu, WORD primerId,
                    std::vector<ui::Boton*>& entradas) {
  for (auto* entrada : menu.Entradas()) {
    if (!entrada->GetVisible()) continue;
    if (entrada->GetCaption() == ui::Menu::kSeparador) {
      AppendMenuW(hmenu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const auto id = static_cast<UINT_PTR>(primerId + entradas.size());
    UINT banderas = MF_STRING;
    if (!entrada->GetEnabled()) banderas |= MF_GRAYED;
    if (entrada->GetChecked()) banderas |= MF_CHECKED;
    AppendMenuW(hmenu, banderas, id, Ancho(entrada->GetCaption()).c_str());
    entradas.push_back(entrada);
  }
}

}  // namespace

std::vector<BarraMenus::Estado> BarraMenus::Estados() const {
  std::vector<Estado> estados;
  for (const auto* menu : menus_) {
    estados.push_back({menu->GetVisible() ? menu->GetCaption() : std::string(), true, false});
    for (const auto* entrada : menu->Entradas()) {
      estados.push_back({entrada->GetVisible() ? entrada->GetCaption() : std::string(),
                         entrada->GetEnabled(), entrada->GetChecked()});
    }
  }
  return estados;
}

void BarraMenus::Actualizar(HWND ventana) {
  auto estados = Estados();
  if (hecha_ && estados == estados_) return;
  estados_ = std::move(estados);
  hecha_ = true;
  entradas_.clear();
  HMENU barra = nullptr;
  for (const auto* menu : menus_) {
    if (!menu->GetVisible()) continue;
    if (barra == nullptr) barra = CreateMenu();
    HMENU desplegable = CreatePopupMenu();
    AnadirEntradas(desplegable, *menu, kPrimerId, entradas_);
    AppendMenuW(barra, MF_POPUP, reinterpret_cast<UINT_PTR>(desplegable),
                Ancho(menu->GetCaption()).c_str());
  }
  HMENU anterior = GetMenu(ventana);
  SetMenu(ventana, barra);
  if (anterior != nullptr) DestroyMenu(anterior);
  DrawMenuBar(ventana);
}

ui::Boton* BarraMenus::Entrada(WORD id) const {
  if (id < kPrimerId || id - kPrimerId >= static_cast<int>(entradas_.size())) return nullptr;
  return entradas_[id - kPrimerId];
}

ui::Boton* MostrarMenuEmergente(HWND propietaria, const ui::Menu& menu,
                                const ui::Boton* predeterminado) {
  HMENU emergente = CreatePopupMenu();
  if (emergente == nullptr) throw std::runtime_error("No se ha podido crear el menú");
  std::vector<ui::Boton*> entradas;
  constexpr WORD kPrimero = 1;  // 0 is no choice
  AnadirEntradas(emergente, menu, kPrimero, entradas);
  for (std::size_t i = 0; i < entradas.size(); ++i) {
    if (entradas[i] == predeterminado) SetMenuDefaultItem(emergente, kPrimero + i, FALSE);
  }
  POINT puntero{};
  GetCursorPos(&puntero);
  // The owner must be the foreground window for the menu to close when the user clicks away.
  SetForegroundWindow(propietaria);
  const auto elegido = TrackPopupMenu(emergente, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                      puntero.x, puntero.y, 0, propietaria, nullptr);
  DestroyMenu(emergente);
  if (elegido < kPrimero || elegido - kPrimero >= static_cast<int>(entradas.size())) {
    return nullptr;
  }
  return entradas[static_cast<std::size_t>(elegido - kPrimero)];
}

}  // namespace quillora::win32
