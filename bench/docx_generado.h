#pragma once

#include <filesystem>
#include <string_view>

namespace quillora::bench {

enum class Forma {
  Parrafos,  // paragraphs of forty words in four runs (plain, bold, italic, plain), one word
             // split between the second and third run
  Campos,    // as Parrafos, with the last run of each paragraph a field's result
  UnRun,     // the whole text in one run of one paragraph
};

// Whether the generated documents are written with this word (in lower case).
bool EsPalabraGenerada(std::string_view palabra);

// Writes a .docx of that many Spanish words, laid out in that form.
void EscribirDocxGenerado(const std::filesystem::path& ruta, int palabras,
                          Forma forma = Forma::Parrafos);

}  // namespace quillora::bench
