#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quillora::ui {
class Boton;
class Menu;
}  // namespace quillora::ui

namespace quillora::win32 {

// The menu bar of a window: its visible menus with their entries, made again whenever a caption,
// a state or the set of entries changes in the models.
class BarraMenus {
 public:
  explicit BarraMenus(std::vector<ui::Menu*> menus) : menus_(std::move(menus)) {}
  // Gives the window the bar the models describe; none when no menu is visible.
  void Actualizar(HWND ventana);
  // The entry of a menu command's identifier, or none.
  ui::Boton* Entrada(WORD id) const;

  // The identifiers of the entries start here, clear of the controls' own.
  static constexpr WORD kPrimerId = 0x4000;

 private:
  struct Estado {
    std::string caption;
    bool habilitada = true;
    bool marcada = false;
    bool operator==(const Estado&) const = default;
  };
  std::vector<Estado> Estados() const;

  std::vector<ui::Menu*> menus_;
  std::vector<ui::Boton*> entradas_;
  std::vector<Estado> estados_;
  bool hecha_ = false;
};

// Shows the menu at the pointer over the window, its default entry in bold, and answers the
// entry chosen, or none when it closed without a choice.
ui::Boton* MostrarMenuEmergente(HWND propietaria, const ui::Menu& menu,
                                const ui::Boton* predeterminado);

}  // namespace quillora::win32
