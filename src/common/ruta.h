#pragma once

#include <string>
#include <string_view>

namespace quillora::comun {

// The file `archivo` of the folder `carpeta`, joined with the platform's separator.
std::string RutaEnCarpeta(std::string_view carpeta, std::string_view archivo);

}  // namespace quillora::comun
