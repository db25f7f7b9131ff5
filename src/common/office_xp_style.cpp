#include "common/office_xp_style.h"

#include <exception>

#include "ui/boton.h"
#include "ui/formulario.h"

namespace quillora::office_xp_style {

void BordeFino(ui::Ventanas& ventanas, ui::Hwnd hwnd) {
  const auto estilo = ventanas.GetWindowLongA(hwnd, ui::kGwlExStyle) | ui::kWsExStaticEdge;
  ventanas.SetWindowLongA(hwnd, ui::kGwlExStyle, estilo);
  ventanas.SetWindowPos(hwnd, 0, 0, 0, 0, 0,
                        ui::kSwpNoSize | ui::kSwpNoMove | ui::kSwpNoZOrder | ui::kSwpFrameChanged |
                            ui::kSwpNoOwnerZOrder);
}

void AplicarEstilo(ui::Ventanas& ventanas, ui::Formulario& formulario) {
  try {
    BordeFino(ventanas, ventanas.HwndDe(formulario));
    for (auto* control : formulario.Controles()) {
      if (dynamic_cast<ui::Boton*>(control) == nullptr) continue;
      // A button drawn without a window of its own has no border to take.
      if (const auto hwnd = ventanas.HwndDe(*control)) BordeFino(ventanas, *hwnd);
    }
  } catch (const std::exception&) {
    // Styling never stops a dialog from opening.
  }
}

}  // namespace quillora::office_xp_style
