#include "imagenes.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

namespace quillora::win32 {

namespace {

constexpr COLORREF kFondo = RGB(255, 0, 255);  // transparent in the lists

// Pen and brush selected into a device context for the life of the object.
class Pincel {
 public:
  Pincel(HDC dc, COLORREF linea, COLORREF relleno, int grosor = 1)
      : dc_(dc),
        pluma_(CreatePen(PS_SOLID, grosor, linea)),
        brocha_(CreateSolidBrush(relleno)),
        plumaAnterior_(SelectObject(dc, pluma_)),
        brochaAnterior_(SelectObject(dc, brocha_)) {}
  ~Pincel() {
    SelectObject(dc_, plumaAnterior_);
    SelectObject(dc_, brochaAnterior_);
    DeleteObject(pluma_);
    DeleteObject(brocha_);
  }
  Pincel(const Pincel&) = delete;
  Pincel& operator=(const Pincel&) = delete;

 private:
  HDC dc_;
  HPEN pluma_;
  HBRUSH brocha_;
  HGDIOBJ plumaAnterior_;
  HGDIOBJ brochaAnterior_;
};

// Draws on a 16 by 16 grid scaled to the side of the pictures.
using Dibujo = std::function<void(HDC dc, const std::function<int(int)>& p)>;

ListaImagenes Lista(int lado, std::initializer_list<Dibujo> dibujos) {
  HIMAGELIST lista =
      ImageList_Create(lado, lado, ILC_COLOR24 | ILC_MASK, static_cast<int>(dibujos.size()), 0);
  if (lista == nullptr) throw std::runtime_error("No se ha podido crear una lista de imágenes");
  ListaImagenes resultado(lista);
  HDC pantalla = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(pantalla);
  const auto p = [lado](int unidades) { return MulDiv(unidades, lado, 16); };
  for (const auto& dibujo : dibujos) {
    HBITMAP mapa = CreateCompatibleBitmap(pantalla, lado, lado);
    const HGDIOBJ anterior = SelectObject(dc, mapa);
    const RECT todo{0, 0, lado, lado};
    HBRUSH fondo = CreateSolidBrush(kFondo);
    FillRect(dc, &todo, fondo);
    DeleteObject(fondo);
    dibujo(dc, p);
    SelectObject(dc, anterior);
    ImageList_AddMasked(lista, mapa, kFondo);
    DeleteObject(mapa);
  }
  DeleteDC(dc);
  ReleaseDC(nullptr, pantalla);
  return resultado;
}

void Triangulo(HDC dc, const std::function<int(int)>& p, bool arriba) {
  const Pincel pincel(dc, RGB(96, 96, 96), RGB(96, 96, 96));
  const POINT puntos[] = {
      {p(4), p(arriba ? 10 : 6)}, {p(12), p(arriba ? 10 : 6)}, {p(8), p(arriba ? 5 : 11)}};
  Polygon(dc, puntos, 3);
}

}  // namespace

ListaImagenes ImagenesOrden(int lado) {
  return Lista(lado,
               {[](HDC, const auto&) {}, [](HDC dc, const auto& p) { Triangulo(dc, p, true); },
                [](HDC dc, const auto& p) { Triangulo(dc, p, false); }});
}

ListaImagenes ImagenesClases(int lado) {
  return Lista(lado, {[](HDC, const auto&) {},
                      [](HDC dc, const auto& p) {
                        const Pincel pincel(dc, RGB(120, 40, 110), RGB(190, 80, 170));
                        Ellipse(dc, p(4), p(4), p(12), p(12));
                      }});
}

ListaImagenes ImagenesHerramientas(int lado) {
  return Lista(lado,
               {// A sheet with a plus sign.
                [](HDC dc, const auto& p) {
                  {
                    const Pincel hoja(dc, RGB(80, 80, 80), RGB(255, 255, 255));
                    Rectangle(dc, p(2), p(1), p(12), p(15));
                  }
                  const Pincel mas(dc, RGB(0, 140, 0), RGB(0, 140, 0));
                  Rectangle(dc, p(9), p(6), p(15), p(8) + 1);
                  Rectangle(dc, p(11), p(4), p(13) + 1, p(10));
                },
                // A sheet with a pencil across it.
                [](HDC dc, const auto& p) {
                  {
                    const Pincel hoja(dc, RGB(80, 80, 80), RGB(255, 255, 255));
                    Rectangle(dc, p(2), p(1), p(12), p(15));
                  }
                  const Pincel lapiz(dc, RGB(30, 60, 160), RGB(230, 180, 40), std::max(1, p(2)));
                  MoveToEx(dc, p(6), p(13), nullptr);
                  LineTo(dc, p(14), p(4));
                },
                // A red cross.
                [](HDC dc, const auto& p) {
                  const Pincel cruz(dc, RGB(200, 30, 30), RGB(200, 30, 30), std::max(1, p(3)));
                  MoveToEx(dc, p(3), p(3), nullptr);
                  LineTo(dc, p(13), p(13));
                  MoveToEx(dc, p(13), p(3), nullptr);
                  LineTo(dc, p(3), p(13));
                },
                // A magnifying glass.
                [](HDC dc, const auto& p) {
                  {
                    const Pincel lente(dc, RGB(40, 40, 40), RGB(200, 225, 255), std::max(1, p(2)));
                    Ellipse(dc, p(2), p(2), p(11), p(11));
                  }
                  const Pincel mango(dc, RGB(90, 60, 30), RGB(90, 60, 30), std::max(1, p(3)));
                  MoveToEx(dc, p(10), p(10), nullptr);
                  LineTo(dc, p(14), p(14));
                },
                // A door with an arrow leaving it.
                [](HDC dc, const auto& p) {
                  {
                    const Pincel puerta(dc, RGB(90, 60, 30), RGB(190, 140, 90));
                    Rectangle(dc, p(2), p(1), p(9), p(15));
                  }
                  const Pincel flecha(dc, RGB(0, 110, 180), RGB(0, 110, 180), std::max(1, p(2)));
                  MoveToEx(dc, p(7), p(8), nullptr);
                  LineTo(dc, p(14), p(8));
                  const POINT punta[] = {{p(15), p(8)}, {p(12), p(5)}, {p(12), p(11)}};
                  Polygon(dc, punta, 3);
                }});
}

}  // namespace quillora::win32
