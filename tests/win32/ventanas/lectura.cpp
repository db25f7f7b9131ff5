#include "lectura.h"

#include <commctrl.h>

#include "texto_win32.h"

namespace quillora::win32::prueba {

std::string CeldaDeLista(HWND lista, int fila, int columna) {
  wchar_t texto[128] = {};
  LVITEMW item{};
  item.iSubItem = columna;
  item.pszText = texto;
  item.cchTextMax = 128;
  SendMessageW(lista, LVM_GETITEMTEXTW, static_cast<WPARAM>(fila), reinterpret_cast<LPARAM>(&item));
  return Estrecho(texto);
}

}  // namespace quillora::win32::prueba
