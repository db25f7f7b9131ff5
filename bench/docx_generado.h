#pragma once

#include <filesystem>

namespace quillora::bench {

// Writes a .docx of that many Spanish words: paragraphs of forty words in four runs (plain,
// bold, italic, plain), one word split between the second and third run.
void EscribirDocxGenerado(const std::filesystem::path& ruta, int palabras);

}  // namespace quillora::bench
