#include "texto_ansi.h"

#include <windows.h>

#include <stdexcept>

namespace quillora::win32 {

namespace {

std::wstring Ancho(std::string_view texto, UINT paginaCodigos) {
  if (texto.empty()) return {};
  const auto longitud = static_cast<int>(texto.size());
  const int unidades = MultiByteToWideChar(paginaCodigos, 0, texto.data(), longitud, nullptr, 0);
  if (unidades <= 0) throw std::runtime_error("Error de conversión de texto");
  std::wstring ancho(static_cast<std::size_t>(unidades), L'\0');
  MultiByteToWideChar(paginaCodigos, 0, texto.data(), longitud, ancho.data(), unidades);
  return ancho;
}

std::string Estrecho(std::wstring_view ancho, UINT paginaCodigos) {
  if (ancho.empty()) return {};
  const auto longitud = static_cast<int>(ancho.size());
  const int bytes =
      WideCharToMultiByte(paginaCodigos, 0, ancho.data(), longitud, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) throw std::runtime_error("Error de conversión de texto");
  std::string texto(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(paginaCodigos, 0, ancho.data(), longitud, texto.data(), bytes, nullptr,
                      nullptr);
  return texto;
}

}  // namespace

std::string Utf8AAnsi(std::string_view utf8) { return Estrecho(Ancho(utf8, CP_UTF8), CP_ACP); }

std::string AnsiAUtf8(std::string_view ansi) { return Estrecho(Ancho(ansi, CP_ACP), CP_UTF8); }

}  // namespace quillora::win32
