#pragma once

namespace quillora {

class Entrada;
class Vecindad;

// Whether a match stands in a doublet with its form of the other gender, in either order and
// joined by "y", "e", "o" or "u": "los alumnos y las alumnas", "los alumnos y alumnas", "las
// alumnas y los alumnos", "todas las alumnas y todos los alumnos", "padres y madres". The other
// form is one that regular Spanish morphology gives (-os/-as, -o/-a, -es/-as, -or/-ora, -ón/-ona,
// the determiners, "del"/"de la", "al"/"a la"), or the entry's own: the pair written as one of its
// alternatives, or as that alternative with its two halves swapped. Letter case does not matter.
bool EsDesdoble(const Entrada& entrada, Vecindad& vecindad);

}  // namespace quillora
