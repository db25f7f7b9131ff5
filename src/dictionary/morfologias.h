#pragma once

#include "dictionary/coleccion_clases.h"
#include "dictionary/morfologia.h"

namespace quillora {

// The morphological classes of the dictionary.
class Morfologias final : public ColeccionClases<Morfologia> {};

}  // namespace quillora
