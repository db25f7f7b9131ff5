#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "dictionary/diccionario_muestra.h"

// The checks of how the sample's entries and alternatives are worded: what would make an entry
// mark text it should not, or an alternative read wrong once the review dialog puts it in place.
namespace quillora::redaccion_muestra {

// "La entrada 3 («los alumnos»)": how every message names an entry.
std::string Describir(const DiccionarioMuestra::Entrada& entrada, std::size_t posicion);

// One message per fault, naming the entry and what to fix.
std::vector<std::string> Problemas(const DiccionarioMuestra& muestra);

}  // namespace quillora::redaccion_muestra
