#pragma once

#include "dictionary/lista_entradas_clase.h"

namespace quillora {

class Sexismo;

// The entries of one sexism class.
class SexismoEntrada final : public ListaEntradasClase<Sexismo> {};

}  // namespace quillora
