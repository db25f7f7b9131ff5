#include "common/contar_instancias_word.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "common/procesos.h"

namespace quillora::comun {

std::int16_t ContarInstanciasWord(Procesos& procesos,
                                  const std::function<void()>& procesarMensajes) {
  const auto identificadores = procesos.Enumerar();
  if (!identificadores) return 0;
  std::int16_t cuenta = 0;
  for (const auto id : *identificadores) {
    const auto nombres = procesos.NombresPrograma(id);
    const bool esWord = std::ranges::any_of(
        nombres, [](std::string_view nombre) { return nombre.ends_with("WINWORD.EXE"); });
    if (esWord && cuenta < std::numeric_limits<std::int16_t>::max()) ++cuenta;
    if (procesarMensajes) procesarMensajes();
  }
  return cuenta;
}

}  // namespace quillora::comun
