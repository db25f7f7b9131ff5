#include "foto.h"

#include <fstream>
#include <stdexcept>
#include <vector>

namespace quillora::win32 {

namespace {

// Runs the thread's messages for a moment: the window and the desktop repaint.
void Pintar(HWND ventana) {
  RedrawWindow(ventana, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  for (int i = 0; i < 30; ++i) {
    MSG mensaje;
    while (PeekMessageW(&mensaje, nullptr, 0, 0, PM_REMOVE)) {
      if (mensaje.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(mensaje.wParam));
        return;
      }
      TranslateMessage(&mensaje);
      DispatchMessageW(&mensaje);
    }
    Sleep(10);
  }
}

}  // namespace

void GuardarFoto(HWND ventana, const std::filesystem::path& archivo) {
  if (GetWindowThreadProcessId(ventana, nullptr) == GetCurrentThreadId()) Pintar(ventana);
  RECT rect{};
  GetWindowRect(ventana, &rect);
  const int ancho = rect.right - rect.left;
  const int alto = rect.bottom - rect.top;
  if (ancho <= 0 || alto <= 0) throw std::runtime_error("La ventana no tiene tamaño");
  HDC pantalla = GetDC(nullptr);
  HDC memoria = CreateCompatibleDC(pantalla);
  HBITMAP mapa = CreateCompatibleBitmap(pantalla, ancho, alto);
  const HGDIOBJ anterior = SelectObject(memoria, mapa);
  BitBlt(memoria, 0, 0, ancho, alto, pantalla, rect.left, rect.top, SRCCOPY);
  SelectObject(memoria, anterior);

  BITMAPINFOHEADER cabecera{};
  cabecera.biSize = sizeof cabecera;
  cabecera.biWidth = ancho;
  cabecera.biHeight = alto;
  cabecera.biPlanes = 1;
  cabecera.biBitCount = 24;
  cabecera.biCompression = BI_RGB;
  const auto fila = static_cast<std::size_t>((ancho * 3 + 3) & ~3);
  std::vector<char> pixeles(fila * static_cast<std::size_t>(alto));
  const int leidas = GetDIBits(memoria, mapa, 0, static_cast<UINT>(alto), pixeles.data(),
                               reinterpret_cast<BITMAPINFO*>(&cabecera), DIB_RGB_COLORS);
  DeleteObject(mapa);
  DeleteDC(memoria);
  ReleaseDC(nullptr, pantalla);
  if (leidas != alto) throw std::runtime_error("No se ha podido leer la imagen de la ventana");

  BITMAPFILEHEADER archivoBmp{};
  archivoBmp.bfType = 0x4D42;  // "BM"
  archivoBmp.bfOffBits = sizeof archivoBmp + sizeof cabecera;
  archivoBmp.bfSize = static_cast<DWORD>(archivoBmp.bfOffBits + pixeles.size());
  std::ofstream salida(archivo, std::ios::binary | std::ios::trunc);
  salida.write(reinterpret_cast<const char*>(&archivoBmp), sizeof archivoBmp);
  salida.write(reinterpret_cast<const char*>(&cabecera), sizeof cabecera);
  salida.write(pixeles.data(), static_cast<std::streamsize>(pixeles.size()));
  if (!salida.flush()) throw std::runtime_error("No se ha podido escribir " + archivo.string());
}

}  // namespace quillora::win32
