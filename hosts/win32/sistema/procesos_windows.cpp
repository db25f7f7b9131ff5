#include "procesos_windows.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <psapi.h>

#include <memory>

#include "texto_ansi.h"

namespace quillora::win32 {

namespace {

struct CerrarManejador {
  void operator()(HANDLE manejador) const { CloseHandle(manejador); }
};
using Proceso = std::unique_ptr<void, CerrarManejador>;

}  // namespace

std::optional<std::vector<std::uint32_t>> ProcesosWindows::Enumerar() {
  // The list only tells how much it filled: a full buffer may have left processes out, so it
  // grows until some room is left.
  std::vector<DWORD> ids(1024);
  for (;;) {
    DWORD bytes = 0;
    const auto capacidad = static_cast<DWORD>(ids.size() * sizeof(DWORD));
    if (!EnumProcesses(ids.data(), capacidad, &bytes)) return std::nullopt;
    if (bytes < capacidad) {
      ids.resize(bytes / sizeof(DWORD));
      return std::vector<std::uint32_t>(ids.begin(), ids.end());
    }
    ids.resize(ids.size() * 2);
  }
}

std::vector<std::string> ProcesosWindows::NombresPrograma(std::uint32_t id) {
  const Proceso proceso(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
  if (!proceso) return {};
  char nombre[MAX_PATH] = {};
  const auto longitud = GetModuleFileNameExA(proceso.get(), nullptr, nombre, MAX_PATH);
  if (longitud == 0) return {};
  return {AnsiAUtf8({nombre, longitud})};
}

}  // namespace quillora::win32
