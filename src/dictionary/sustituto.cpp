#include "dictionary/sustituto.h"

#include <utility>

namespace quillora {

Sustituto::Sustituto(PermisoCreacion /*permiso*/, std::string sustituto)
    : sustituto_(std::move(sustituto)) {}

}  // namespace quillora
