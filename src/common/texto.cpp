// The parts of the Unicode helpers that need no character database.
#include "common/clase_unicode.h"
#include "common/texto_unicode.h"

namespace quillora::texto {

std::string_view SinBlancosExteriores(std::string_view utf8) {
  const auto primero = utf8.find_first_not_of(' ');
  if (primero == std::string_view::npos) return {};
  const auto ultimo = utf8.find_last_not_of(' ');
  return utf8.substr(primero, ultimo - primero + 1);
}

ClaseCaracter Clasificar(char32_t c) {
  switch (c) {
    case U' ':
    case U'\u00A0':
      return ClaseCaracter::Blanco;
    case U'\r':
    case U'\n':
    case U'\v':
    case U'\f':
      return ClaseCaracter::FinParrafo;
    case U'\u00AD':  // optional hyphen
    case U'\u200C':  // zero-width non-joiner
    case U'\u200D':  // zero-width joiner
      return ClaseCaracter::Palabra;
    default:
      break;
  }
  if (c < 0x80) {
    const bool alfanumerico =
        (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9');
    return alfanumerico ? ClaseCaracter::Palabra : ClaseCaracter::Puntuacion;
  }
  return EsLetraMarcaONumero(c) ? ClaseCaracter::Palabra : ClaseCaracter::Puntuacion;
}

std::string CodificarPorcentaje(std::string_view texto, std::string_view conservados) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string codificado;
  for (const char caracter : texto) {
    const auto c = static_cast<unsigned char>(caracter);
    const bool alfanumerico =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (alfanumerico || (c < 0x80 && conservados.find(caracter) != std::string_view::npos)) {
      codificado += caracter;
    } else {
      codificado += '%';
      codificado += kHex[c >> 4];
      codificado += kHex[c & 0x0F];
    }
  }
  return codificado;
}

}  // namespace quillora::texto
