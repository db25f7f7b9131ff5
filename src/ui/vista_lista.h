#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace quillora::ui {

enum class OrdenLista : std::int32_t { Ascendente = 0, Descendente = 1 };

// A list view in report mode: column headers and rows of texts. While it is sorted it keeps its
// rows in the order of the sort column, compared as Spanish text: turning sorting on, changing
// the column or the order and Refresh sort the rows; a row added later takes its sorted place,
// after the rows that compare equal to it.
class VistaLista : public Control {
 public:
  struct Columna {
    std::string Text;
    std::int32_t Width = 0;
    std::string Tag;
    std::string Icon;  // the key of the header's picture
  };
  struct Fila {
    std::string Text;
    std::vector<std::string> SubItems;  // the columns after the first
    std::string Tag;
    bool Selected = false;

    // The text of column 0 (the row's own) or of sub-item n; an error when there is none.
    const std::string& Celda(std::size_t columna) const;
    std::string& Celda(std::size_t columna);
  };

  using Control::Control;

  std::vector<Columna>& ColumnHeaders() { return columnas_; }
  const std::vector<Columna>& ColumnHeaders() const { return columnas_; }
  // The rows, in the order the list shows them. Changing a cell does not move its row until the
  // list is sorted again.
  std::vector<Fila>& ListItems();
  const std::vector<Fila>& ListItems() const;
  void Add(Fila fila);
  void Remove(std::size_t posicion);
  void Clear();
  // Draws the list again: a sorted list sorts its rows (when they are next read).
  void Refresh();

  std::int32_t GetSortKey() const { return claveOrden_; }
  void SetSortKey(std::int32_t clave);
  OrdenLista GetSortOrder() const { return orden_; }
  void SetSortOrder(OrdenLista orden);
  bool GetSorted() const { return ordenada_; }
  void SetSorted(bool ordenada);

  std::function<void(std::size_t columna)> ColumnClick;
  std::function<void()> DblClick;
  std::function<void(int boton, std::int32_t x, std::int32_t y)> MouseUp;

 private:
  void OrdenarPendientes() const;

  std::vector<Columna> columnas_;
  // Mutable so that rows added to a sorted list are put in place only when they are next read.
  mutable std::vector<Fila> filas_;
  mutable bool pendiente_ = false;
  std::int32_t claveOrden_ = 0;
  OrdenLista orden_ = OrdenLista::Ascendente;
  bool ordenada_ = false;
};

}  // namespace quillora::ui
