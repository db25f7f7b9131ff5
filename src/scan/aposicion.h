#pragma once

namespace quillora {

class Entrada;
class Vecindad;

// Whether a match of `entrada` in the singular is followed by an apposition that names the person
// it speaks of, so that it is no generic: "El director del colegio, Andrés Gil, se jubila", "el
// ganador, Luis Sanz.", "el director Andrés Gil". Between the match and the name may stand its
// complement
// ("del colegio"); the name is one or more capitalised words, with particles such as "de" or "del"
// inside it, between commas, or at least two such words without them.
bool SigueNombreDePersona(const Entrada& entrada, Vecindad& vecindad);

}  // namespace quillora
