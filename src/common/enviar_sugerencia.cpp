#include "common/enviar_sugerencia.h"

#include "common/leer_registro.h"
#include "common/shell.h"
#include "common/texto_unicode.h"

namespace quillora::comun {

namespace {

constexpr std::string_view kAsunto = "[Quillora] Sugerencia";

// Characters a mailto address or header value may hold as they are, besides letters and
// digits: the unreserved ones and the delimiters that do not end an address.
constexpr std::string_view kLiterales = "-._~!$'()*+,;:@";

std::string Codificar(std::string_view texto) {
  return texto::CodificarPorcentaje(texto, kLiterales);
}

}  // namespace

std::string EnlaceSugerencia(std::string_view direccion) {
  return "mailto:" + Codificar(direccion) + "?subject=" + Codificar(kAsunto);
}

void EnviarSugerencia(Registro& registro, Shell& shell) {
  shell.Abrir(EnlaceSugerencia(LeerRegistro(registro, "EmailTo")));
}

}  // namespace quillora::comun
