#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace quillora::docx {

// The whole file; larger files than a .docx may decompress to are refused, and so is what is not
// a regular file (a folder, a device, a FIFO), without waiting on it.
std::vector<std::uint8_t> LeerArchivo(const std::filesystem::path& ruta);

// Refuses (ErrorDocx) a path a document cannot be saved to: one that names, through any symbolic
// links, something other than a regular file, or a file that is read-only.
void ComprobarDestino(const std::filesystem::path& ruta);

// Writes a file atomically where `ruta` leads: through symbolic links to the file they name (the
// links stay), as a temporary file in that file's folder, flushed to disk, then renamed over it
// (it keeps its permission bits). What ComprobarDestino refuses is refused. On error the
// temporary goes and the file is as it was.
void EscribirAtomicamente(const std::filesystem::path& ruta, std::span<const std::uint8_t> bytes);

}  // namespace quillora::docx
