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

// Told the name of the temporary file a save has just created, and nullptr once it is gone
// (renamed or removed), so that a program ended by a signal can remove it. SIGINT, SIGTERM and
// SIGHUP wait while a file is created or renamed and told of, so that whoever handles them knows
// of every temporary file there is. The text stays valid until the next call.
using AvisoTemporal = void (*)(const char* ruta);

// Writes a file atomically where `ruta` leads: through symbolic links to the file they name (the
// links stay), as a temporary file in that file's folder, flushed to disk, then renamed over it
// (it keeps its permission bits). What ComprobarDestino refuses is refused. On error the
// temporary goes and the file is as it was.
void EscribirAtomicamente(const std::filesystem::path& ruta, std::span<const std::uint8_t> bytes,
                          AvisoTemporal aviso = nullptr);

}  // namespace quillora::docx
