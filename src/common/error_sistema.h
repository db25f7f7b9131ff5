#pragma once

#include <exception>
#include <string>
#include <system_error>

namespace quillora::comun {

// What an operating-system error means, in Spanish ("permiso denegado", "no existe", …), whatever
// language the system speaks.
std::string DescripcionError(const std::error_code& codigo);

// The error as a user reads it: a file-system or system error in Spanish with the paths it
// concerns; any other error by its own description.
std::string MensajeEspanol(const std::exception& error);

}  // namespace quillora::comun
