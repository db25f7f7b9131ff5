#include "common/ruta.h"

#include <filesystem>

namespace quillora::comun {

std::string RutaEnCarpeta(std::string_view carpeta, std::string_view archivo) {
  return (std::filesystem::path(carpeta) / archivo).string();
}

}  // namespace quillora::comun
