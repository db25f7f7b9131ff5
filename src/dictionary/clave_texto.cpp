#include "dictionary/clave_texto.h"

#include "common/texto_unicode.h"

namespace quillora {

std::string ClaveTexto(std::string_view texto) {
  std::string clave = texto::Mayusculas(texto);
  const std::string_view nucleo = texto::SinBlancosExteriores(clave);
  if (nucleo.size() == clave.size()) return clave;
  return std::string(nucleo);
}

}  // namespace quillora
