#include "common/numero.h"

namespace quillora::comun {

std::string FormatoMiles(std::int64_t numero, std::string_view separador) {
  const std::string cifras = std::to_string(numero);
  const std::size_t signo = numero < 0 ? 1 : 0;
  std::string resultado = cifras.substr(0, signo);
  for (std::size_t i = signo; i < cifras.size(); ++i) {
    if (i > signo && (cifras.size() - i) % 3 == 0) resultado += separador;
    resultado += cifras[i];
  }
  return resultado;
}

}  // namespace quillora::comun
