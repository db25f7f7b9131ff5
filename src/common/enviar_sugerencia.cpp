#include "common/enviar_sugerencia.h"

#include "common/leer_registro.h"
#include "common/shell.h"

namespace quillora::comun {

namespace {

constexpr std::string_view kAsunto = "[Quillora] Sugerencia";

// Characters a mailto address or header value may hold as they are: the unreserved ones and the
// delimiters that do not end an address.
bool Literal(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("-._~!$'()*+,;:@").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string Codificar(std::string_view texto) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string codificado;
  for (const char caracter : texto) {
    const auto c = static_cast<unsigned char>(caracter);
    if (Literal(c)) {
      codificado += caracter;
    } else {
      codificado += '%';
      codificado += kHex[c >> 4];
      codificado += kHex[c & 0x0F];
    }
  }
  return codificado;
}

}  // namespace

std::string EnlaceSugerencia(std::string_view direccion) {
  return "mailto:" + Codificar(direccion) + "?subject=" + Codificar(kAsunto);
}

void EnviarSugerencia(Registro& registro, Shell& shell) {
  shell.Abrir(EnlaceSugerencia(LeerRegistro(registro, "EmailTo")));
}

}  // namespace quillora::comun
