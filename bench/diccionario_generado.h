#pragma once

#include "dictionary/diccionario_muestra.h"

namespace quillora::bench {

// The sample dictionary grown to `entradas` entries shaped like its own: each new entry takes
// the first word of a sample entry drawn at random (so first words keep the sample's shares:
// about a quarter begin with "los", one in seven with "el") and as many more words, made up, with
// that entry's classes, comment and alternatives. A size below the sample's keeps that many of
// its entries, drawn at random.
DiccionarioMuestra DiccionarioGenerado(int entradas);

}  // namespace quillora::bench
