#include "controles.h"
#include "texto_win32.h"
#include "ui/combo_imagen.h"

namespace quillora::win32 {

namespace {

// Room below the box for the open list.
constexpr int kAltoLista = 200;

}  // namespace

ComboImagenWin32::ComboImagenWin32(Anfitrion& anfitrion, ui::ComboImagen& modelo, int id)
    : ControlWin32(anfitrion, modelo, id), combo_(modelo) {}

void ComboImagenWin32::Crear(const RECT& rect, const Colocacion& /*colocacion*/) {
  RECT abierto = rect;
  abierto.bottom += anfitrion_.Escala(kAltoLista);
  const HWND ventana =
      CrearVentana(0, WC_COMBOBOXEXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, abierto);
  imagenes_ = ImagenesClases(anfitrion_.Escala(16));
  SendMessageW(ventana, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imagenes_.Get()));
}

void ComboImagenWin32::ActualizarContenido() {
  const auto ventana = GetHwnd();
  std::vector<std::string> elementos;
  for (const auto& elemento : combo_.ComboItems()) elementos.push_back(elemento.Text);
  if (elementos != elementos_) {
    SendMessageW(ventana, CB_RESETCONTENT, 0, 0);
    const auto& modelo = combo_.ComboItems();
    for (std::size_t i = 0; i < modelo.size(); ++i) {
      auto texto = Ancho(modelo[i].Text);
      const int imagen = modelo[i].Tag.empty() ? kImagenSinClase : kImagenClase;
      COMBOBOXEXITEMW item{};
      item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
      item.iItem = static_cast<INT_PTR>(i);
      item.pszText = texto.data();
      item.iImage = imagen;
      item.iSelectedImage = imagen;
      SendMessageW(ventana, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    elementos_ = std::move(elementos);
    seleccion_ = -2;
  }
  const auto elegido = combo_.GetSelectedItem();
  const int seleccion = elegido && *elegido < elementos_.size() ? static_cast<int>(*elegido) : -1;
  if (seleccion == seleccion_) return;
  SendMessageW(ventana, CB_SETCURSEL, static_cast<WPARAM>(seleccion), 0);
  seleccion_ = seleccion;
}

void ComboImagenWin32::Comando(WORD /*id*/, WORD codigo) {
  if (codigo != CBN_SELCHANGE || anfitrion_.Actualizando()) return;
  // The user's choice is the model's at once; the model has no event for it.
  seleccion_ = static_cast<int>(SendMessageW(GetHwnd(), CB_GETCURSEL, 0, 0));
  combo_.SetSelectedItem(seleccion_ < 0 ? std::nullopt : std::optional<std::size_t>(seleccion_));
}

}  // namespace quillora::win32
