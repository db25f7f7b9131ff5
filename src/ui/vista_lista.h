#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace quillora::ui {

enum class OrdenLista : std::int32_t { Ascendente = 0, Descendente = 1 };

// A list view in report mode: column headers and rows of texts, sortable by a column.
class VistaLista : public Control {
 public:
  struct Columna {
    std::string Text;
    std::int32_t Width = 0;
    std::string Tag;
    std::int32_t Icon = 0;
  };
  struct Fila {
    std::string Text;
    std::vector<std::string> SubItems;  // the columns after the first
    std::string Tag;
    bool Selected = false;
  };

  using Control::Control;

  std::vector<Columna>& ColumnHeaders() { return columnas_; }
  const std::vector<Columna>& ColumnHeaders() const { return columnas_; }
  std::vector<Fila>& ListItems() { return filas_; }
  const std::vector<Fila>& ListItems() const { return filas_; }
  std::int32_t GetSortKey() const { return claveOrden_; }
  void SetSortKey(std::int32_t clave) { claveOrden_ = clave; }
  OrdenLista GetSortOrder() const { return orden_; }
  void SetSortOrder(OrdenLista orden) { orden_ = orden; }
  bool GetSorted() const { return ordenada_; }
  void SetSorted(bool ordenada) { ordenada_ = ordenada; }

  std::function<void(std::int32_t columna)> ColumnClick;
  std::function<void()> DblClick;

 private:
  std::vector<Columna> columnas_;
  std::vector<Fila> filas_;
  std::int32_t claveOrden_ = 0;
  OrdenLista orden_ = OrdenLista::Ascendente;
  bool ordenada_ = false;
};

}  // namespace quillora::ui
