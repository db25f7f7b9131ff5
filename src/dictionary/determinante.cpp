#include "dictionary/determinante.h"

#include <utility>

namespace quillora {

Determinante::Determinante(PermisoCreacion /*permiso*/, std::string determinante)
    : determinante_(std::move(determinante)) {}

}  // namespace quillora
