#pragma once

#include <map>
#include <string>
#include <vector>

#include "paquete.h"
#include "relaciones.h"

namespace quillora::docx {

// The parts besides the main one where comments can be anchored: the notes, headers and
// footers the main part relates to.
std::vector<std::string> PartesConAnclas(const Paquete& paquete, const Partes& partes);

// The comments anchored in those parts, by id: the note that holds their first anchor
// ("footnote 2", "endnote 1"), or empty when it is in no note.
std::map<std::string, std::string> AnclasEnOtrasPartes(const Paquete& paquete,
                                                       const std::vector<std::string>& partes);

}  // namespace quillora::docx
