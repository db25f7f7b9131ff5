#pragma once

#include <cstddef>
#include <cstdint>

namespace quillora::ui {
class ComboImagen;
class VistaLista;
}  // namespace quillora::ui

namespace quillora::comun {

// Pictures of a column header, by key.
inline constexpr const char* kSinOrden = "NoSort";
inline constexpr const char* kAscendente = "Ascending";
inline constexpr const char* kDescendente = "Descending";

// Sorts the list by the header at that position (from 0), ascending on a first click and
// alternating after that; the header shows its direction and every other one "NoSort". A header
// tagged "date" sorts day/month/year texts as dates, "number" as numbers; anything else as text.
// Errors reach the caller: a list on no window, a number cell over 100 characters.
void OrdenarLista(ui::VistaLista& lista, std::size_t columna);

// The position from 0 of the first item whose tag is the number; -1 when none has it.
std::int16_t IndiceCombo(const ui::ComboImagen& combo, std::int16_t valor);

}  // namespace quillora::comun
