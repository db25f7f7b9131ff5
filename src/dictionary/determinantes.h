#pragma once

#include "dictionary/coleccion_texto.h"
#include "dictionary/determinante.h"

namespace quillora {

// The determiner words, so the review can tell whether a word is one.
class Determinantes final : public ColeccionTexto<Determinante> {};

}  // namespace quillora
