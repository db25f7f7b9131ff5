#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>

#include "common/error_sistema.h"
#include "db/recordset.h"

namespace quillora::ui {
class ComboImagen;
class Servicios;
class VistaLista;
}  // namespace quillora::ui

// What the three editor windows share: their messages, their record sets on the shared
// connection, and their class combos.
namespace quillora::editor {

// "<Ninguno>": the first item of a class combo, no class.
inline constexpr const char* kNinguno = "<Ninguno>";

// A message with the exclamation icon, an OK button and the title "Quillora".
void Avisar(ui::Servicios& servicios, const std::string& texto);

// Runs the operation; an error is shown by its own description and answers false.
template <typename Operacion>
bool Atrapando(ui::Servicios& servicios, Operacion&& operacion) {
  try {
    operacion();
    return true;
  } catch (const std::exception& error) {
    Avisar(servicios, comun::MensajeEspanol(error));
    return false;
  }
}

// Opens the record set on the shared connection.
void Abrir(db::Recordset& registro, const std::string& sql, db::TipoCursor cursor,
           db::TipoBloqueo bloqueo);

// A text column with its surrounding blanks removed; empty when Null.
std::string TextoRecortado(db::Recordset& registro, std::string_view columna);

// The classes as the combos list them: "<Ninguno>" without tag, then one item per class by
// name, the key as tag, in Spanish alphabetical order. Nothing is selected. On the open shared
// connection; errors reach the caller.
void LlenarComboSexismos(ui::ComboImagen& combo);
void LlenarComboMorfologias(ui::ComboImagen& combo);

// Selects "<Ninguno>" when the combo has items.
void ElegirNinguno(ui::ComboImagen& combo);

// The value a class combo stores for its selected item: its tag as a number, Null for no tag.
// An error when no item is selected.
db::Valor ClaseElegida(const ui::ComboImagen& combo, std::string_view nombre);

// The position of the first row whose tag is the key, or none.
std::optional<std::size_t> BuscarFila(ui::VistaLista& lista, std::int32_t id);
// A list as a window loaded again has it: no rows, no sort, every header "NoSort".
void ListaNueva(ui::VistaLista& lista);
// Whether a row of the list is selected.
bool HaySeleccion(ui::VistaLista& lista);
// Each count label's text: the number of rows followed by " elementos".
std::string Elementos(std::string numero);

// Whether a row of `tabla` that `condicion` lets through holds the name in `columna`, as the
// dictionary compares names (equal text keys: letter case and outer blanks aside, accents
// counted). The name is quoted: no text reaches the SQL as syntax.
bool ExisteNombre(std::string_view tabla, std::string_view columna, std::string_view nombre,
                  const std::string& condicion);

// Connects, and unless `existe()` finds the name taken (then says `repetido`) runs `guardar`;
// answers whether it saved. An error is shown and answers false.
bool GuardarSinRepetir(ui::Servicios& servicios, const std::function<bool()>& existe,
                       const std::string& repetido, const std::function<void()>& guardar);

// The query of one entry with the names of its classes.
std::string ConsultaEntrada(std::int32_t id);

// Asks before deleting the list's selected rows. False when none is selected (after saying
// `sinSeleccion`) or the answer is not Yes.
bool ConfirmarEliminacion(ui::Servicios& servicios, ui::VistaLista& lista,
                          const std::string& sinSeleccion);
// Deletes each selected row's record with `borrar(key)`, in list order, and takes its row out.
void BorrarSeleccionadas(ui::VistaLista& lista, const std::function<void(std::int32_t)>& borrar);

}  // namespace quillora::editor
