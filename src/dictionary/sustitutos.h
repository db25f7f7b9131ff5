#pragma once

#include "dictionary/coleccion_texto.h"
#include "dictionary/sustituto.h"

namespace quillora {

// The alternatives of one entry, unique by their wording.
class Sustitutos final : public ColeccionTexto<Sustituto> {};

}  // namespace quillora
