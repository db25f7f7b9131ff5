#pragma once

#include <windows.h>

#include <filesystem>

namespace quillora::win32 {

// Writes what the screen shows of the window, frame included, as a 24-bit BMP file, after
// letting it paint itself.
void GuardarFoto(HWND ventana, const std::filesystem::path& archivo);

}  // namespace quillora::win32
