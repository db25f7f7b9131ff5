#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace quillora::docx {

// The whole file; larger files than a .docx may decompress to are refused.
std::vector<std::uint8_t> LeerArchivo(const std::filesystem::path& ruta);

// Writes a file atomically: a temporary file in the same folder, flushed to disk, then renamed
// over `ruta` (which keeps its permissions). On error the temporary goes and `ruta` is as it was.
void EscribirAtomicamente(const std::filesystem::path& ruta, std::span<const std::uint8_t> bytes);

}  // namespace quillora::docx
