#pragma once

#include "ui/ventanas.h"

namespace quillora::ui {
class Formulario;
}

// The thin sunken border every dialog of the add-in takes while it loads.
namespace quillora::office_xp_style {

// Adds the static-edge border to one window and redraws its frame, leaving its size, position
// and stacking as they were.
void BordeFino(ui::Ventanas& ventanas, ui::Hwnd hwnd);

// The border on the form's window and on the window of each of its push buttons; other controls
// are left alone. Never fails: a dialog opens with or without its border.
void AplicarEstilo(ui::Ventanas& ventanas, ui::Formulario& formulario);

}  // namespace quillora::office_xp_style
