#pragma once

#include "dictionary/lista_entradas_clase.h"

namespace quillora {

class Morfologia;

// The entries of one morphological class.
class MorfologiaEntrada final : public ListaEntradasClase<Morfologia> {};

}  // namespace quillora
