#pragma once

#include "dictionary/coleccion_clases.h"
#include "dictionary/sexismo.h"

namespace quillora {

// The sexism classes of the dictionary.
class Sexismos final : public ColeccionClases<Sexismo> {};

}  // namespace quillora
