#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <utility>

// The small pictures the controls show, drawn with GDI.
namespace quillora::win32 {

// An image list, destroyed with its owner.
class ListaImagenes {
 public:
  ListaImagenes() = default;
  explicit ListaImagenes(HIMAGELIST lista) : lista_(lista) {}
  ~ListaImagenes() {
    if (lista_ != nullptr) ImageList_Destroy(lista_);
  }
  ListaImagenes(ListaImagenes&& otra) noexcept : lista_(otra.lista_) { otra.lista_ = nullptr; }
  ListaImagenes& operator=(ListaImagenes&& otra) noexcept {
    std::swap(lista_, otra.lista_);
    return *this;
  }
  HIMAGELIST Get() const { return lista_; }

 private:
  HIMAGELIST lista_ = nullptr;
};

// Column-header pictures by sort state, at these positions.
inline constexpr int kImagenSinOrden = 0;
inline constexpr int kImagenAscendente = 1;
inline constexpr int kImagenDescendente = 2;
ListaImagenes ImagenesOrden(int lado);

// The pictures of an image combo's items: none for an item without class, a mark for a class.
inline constexpr int kImagenSinClase = 0;
inline constexpr int kImagenClase = 1;
ListaImagenes ImagenesClases(int lado);

// Tool-bar pictures: add, modify, delete, search and exit, at these positions.
enum class ImagenHerramienta { Anadir, Modificar, Eliminar, Buscar, Salir };
ListaImagenes ImagenesHerramientas(int lado);

}  // namespace quillora::win32
