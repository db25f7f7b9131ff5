#pragma once

#include <string>
#include <string_view>

namespace quillora::comun {

class Registro;
class Shell;

// The "mailto:" link of a suggestion to `direccion`, with the subject "[Quillora] Sugerencia".
// Every character of the address that a link could take for syntax ("?", "&", "#", "%", blanks,
// line ends…) is percent-encoded, so that no setting can add headers or parameters.
std::string EnlaceSugerencia(std::string_view direccion);

// Opens the user's mail program with a new suggestion to the address of the setting "EmailTo"
// (none when it is empty). Whether a mail program opened is not reported.
void EnviarSugerencia(Registro& registro, Shell& shell);

}  // namespace quillora::comun
