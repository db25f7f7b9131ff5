#pragma once

#include <windows.h>

#include <string>

// What the tests of the Windows dialogs read back from the windows themselves.
namespace quillora::win32::prueba {

// The text of a list view's cell, in UTF-8.
std::string CeldaDeLista(HWND lista, int fila, int columna);

}  // namespace quillora::win32::prueba
