#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/texto_unicode.h"

// The models hold UTF-8; Windows' wide functions take UTF-16. The conversion happens here only.
namespace quillora::win32 {

inline std::wstring Ancho(std::string_view utf8) {
  const auto utf16 = texto::Utf8AUtf16(utf8);
  return {utf16.begin(), utf16.end()};
}

inline std::string Estrecho(std::wstring_view utf16) {
  return texto::Utf16AUtf8(
      std::u16string_view(reinterpret_cast<const char16_t*>(utf16.data()), utf16.size()));
}

// The text a window shows.
inline std::wstring TextoVentana(HWND ventana) {
  std::wstring texto(static_cast<std::size_t>(GetWindowTextLengthW(ventana)) + 1, L'\0');
  texto.resize(static_cast<std::size_t>(
      GetWindowTextW(ventana, texto.data(), static_cast<int>(texto.size()))));
  return texto;
}

}  // namespace quillora::win32
