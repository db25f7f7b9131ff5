#pragma once

#include <functional>
#include <string>

#include "dictionary/diccionario_muestra.h"

namespace quillora::bench {

// The sample dictionary grown to `entradas` entries shaped like its own: each new entry takes
// the first word of a sample entry drawn at random (so first words keep the sample's shares) and
// as many more words, made up, with that entry's classes, comment and alternatives. A size below
// the sample's keeps that many of its entries, drawn at random after those `conservar` asks to
// keep, so that a benchmark can compare sizes on a document whose terms every size holds.
DiccionarioMuestra DiccionarioGenerado(
    int entradas, const std::function<bool(const std::string&)>& conservar = nullptr);

}  // namespace quillora::bench
