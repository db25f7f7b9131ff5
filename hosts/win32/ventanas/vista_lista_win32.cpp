#include "common/ordenar_lista.h"
#include "controles.h"
#include "texto_win32.h"
#include "ui/menu.h"
#include "ui/vista_lista.h"

namespace quillora::win32 {

namespace {

int ImagenDe(const std::string& icono) {
  if (icono == comun::kAscendente) return kImagenAscendente;
  if (icono == comun::kDescendente) return kImagenDescendente;
  return kImagenSinOrden;
}

// Twips, as the models measure column widths, in pixels of this screen.
int Pixeles(int twips, const Anfitrion& anfitrion) {
  return anfitrion.Escala(MulDiv(twips, 96, 1440));
}

}  // namespace

VistaListaWin32::VistaListaWin32(Anfitrion& anfitrion, ui::VistaLista& modelo, int id)
    : ControlWin32(anfitrion, modelo, id), lista_(modelo) {}

void VistaListaWin32::Crear(const RECT& rect, const Colocacion& colocacion) {
  DWORD estilo = WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS;
  if (colocacion.seleccionUnica) estilo |= LVS_SINGLESEL;
  const HWND ventana = CrearVentana(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", estilo, rect);
  SendMessageW(ventana, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
               LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  orden_ = ImagenesOrden(anfitrion_.Escala(16));
  const auto cabecera = reinterpret_cast<HWND>(SendMessageW(ventana, LVM_GETHEADER, 0, 0));
  SendMessageW(cabecera, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(orden_.Get()));
}

void VistaListaWin32::ActualizarContenido() {
  ActualizarColumnas();
  ActualizarFilas();
}

void VistaListaWin32::ActualizarColumnas() {
  std::vector<Columna> columnas;
  for (const auto& columna : lista_.ColumnHeaders()) {
    columnas.push_back({columna.Text, columna.Width, columna.Icon});
  }
  if (columnas == columnas_) return;
  const auto ventana = GetHwnd();
  if (columnas.size() != columnas_.size()) {
    while (SendMessageW(ventana, LVM_DELETECOLUMN, 0, 0) != 0) {
    }
    columnas_.clear();
  }
  const auto cabecera = reinterpret_cast<HWND>(SendMessageW(ventana, LVM_GETHEADER, 0, 0));
  for (std::size_t i = 0; i < columnas.size(); ++i) {
    const auto& columna = columnas[i];
    auto texto = Ancho(columna.texto);
    LVCOLUMNW lv{};
    lv.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    lv.pszText = texto.data();
    lv.cx = Pixeles(columna.ancho, anfitrion_);
    lv.iSubItem = static_cast<int>(i);
    const auto indice = static_cast<WPARAM>(i);
    if (i < columnas_.size()) {
      SendMessageW(ventana, LVM_SETCOLUMNW, indice, reinterpret_cast<LPARAM>(&lv));
    } else {
      SendMessageW(ventana, LVM_INSERTCOLUMNW, indice, reinterpret_cast<LPARAM>(&lv));
    }
    // The picture of the sort state, to the right of the header's text; none for no state.
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(cabecera, HDM_GETITEMW, indice, reinterpret_cast<LPARAM>(&item));
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt &= ~(HDF_IMAGE | HDF_BITMAP_ON_RIGHT);
    if (!columna.icono.empty()) item.fmt |= HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
    item.iImage = ImagenDe(columna.icono);
    SendMessageW(cabecera, HDM_SETITEMW, indice, reinterpret_cast<LPARAM>(&item));
  }
  columnas_ = std::move(columnas);
}

void VistaListaWin32::ActualizarFilas() {
  std::vector<Fila> filas;
  const auto& modelo = lista_.ListItems();
  filas.reserve(modelo.size());
  for (const auto& fila : modelo) {
    Fila vista{{fila.Text}, fila.Selected};
    vista.celdas.insert(vista.celdas.end(), fila.SubItems.begin(), fila.SubItems.end());
    filas.push_back(std::move(vista));
  }
  if (filas == filas_) return;
  const auto ventana = GetHwnd();
  SendMessageW(ventana, WM_SETREDRAW, FALSE, 0);
  if (filas.size() != filas_.size()) {
    SendMessageW(ventana, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(ventana, LVM_SETITEMCOUNT, filas.size(), 0);
    filas_.clear();
  }
  for (std::size_t i = 0; i < filas.size(); ++i) {
    const auto& fila = filas[i];
    const bool nueva = i >= filas_.size();
    for (std::size_t c = 0; c < fila.celdas.size(); ++c) {
      if (!nueva && c < filas_[i].celdas.size() && filas_[i].celdas[c] == fila.celdas[c]) continue;
      auto texto = Ancho(fila.celdas[c]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(i);
      item.iSubItem = static_cast<int>(c);
      item.pszText = texto.data();
      if (nueva && c == 0) {
        SendMessageW(ventana, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
      } else {
        SendMessageW(ventana, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
      }
    }
    if (nueva ? fila.seleccionada : filas_[i].seleccionada != fila.seleccionada) {
      Seleccionar(static_cast<int>(i), fila.seleccionada);
    }
  }
  SendMessageW(ventana, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(ventana, nullptr, TRUE);
  filas_ = std::move(filas);
}

void VistaListaWin32::Seleccionar(int fila, bool seleccionada) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = seleccionada ? LVIS_SELECTED : 0;
  SendMessageW(GetHwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(fila),
               reinterpret_cast<LPARAM>(&item));
}

LRESULT VistaListaWin32::Notificacion(const NMHDR& aviso) {
  if (anfitrion_.Actualizando()) return 0;
  switch (aviso.code) {
    case LVN_ITEMCHANGED: {
      // A selection the user changed is the model's at once; the model has no event for it.
      const auto& cambio = reinterpret_cast<const NMLISTVIEW&>(aviso);
      if ((cambio.uChanged & LVIF_STATE) == 0 ||
          ((cambio.uNewState ^ cambio.uOldState) & LVIS_SELECTED) == 0) {
        return 0;
      }
      const bool seleccionada = (cambio.uNewState & LVIS_SELECTED) != 0;
      auto& filas = lista_.ListItems();
      for (std::size_t i = 0; i < filas.size() && i < filas_.size(); ++i) {
        if (cambio.iItem == -1 || static_cast<std::size_t>(cambio.iItem) == i) {
          filas[i].Selected = seleccionada;
          filas_[i].seleccionada = seleccionada;
        }
      }
      return 0;
    }
    case LVN_COLUMNCLICK: {
      const auto columna =
          static_cast<std::size_t>(reinterpret_cast<const NMLISTVIEW&>(aviso).iSubItem);
      anfitrion_.Atender([this, columna] {
        if (lista_.ColumnClick) lista_.ColumnClick(columna);
      });
      return 0;
    }
    case NM_DBLCLK:
      anfitrion_.Atender([this] {
        if (lista_.DblClick) lista_.DblClick();
      });
      return 0;
    case NM_CLICK:
    case NM_RCLICK: {
      const auto& clic = reinterpret_cast<const NMITEMACTIVATE&>(aviso);
      const int boton = aviso.code == NM_RCLICK ? ui::kBotonDerecho : ui::kBotonIzquierdo;
      anfitrion_.Atender([this, boton, punto = clic.ptAction] {
        if (lista_.MouseUp) lista_.MouseUp(boton, punto.x, punto.y);
      });
      return 0;
    }
    default:
      return 0;
  }
}

}  // namespace quillora::win32
