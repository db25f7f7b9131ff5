#include "shell_windows.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include <cstdint>

#include "texto_ansi.h"

namespace quillora::win32 {

bool ShellWindows::Abrir(const std::string& archivoOEnlace) {
  const auto instancia = ShellExecuteA(nullptr, "open", Utf8AAnsi(archivoOEnlace).c_str(), nullptr,
                                       nullptr, SW_SHOWNOACTIVATE);
  // Values up to 32 are the shell's error codes.
  return reinterpret_cast<std::intptr_t>(instancia) > 32;
}

}  // namespace quillora::win32
