#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace quillora {
namespace memory {
class MemoryApplication;
class MemoryDocument;
}  // namespace memory
namespace ui {
class Servicios;
}
class GestionBD;

struct ResultadoMarcado {
  std::size_t marcas = 0;
  std::int32_t palabras = 0;  // word units of the main text
};

// Opens the document in the in-memory Word, makes it known to the dictionary and runs the
// processing window over it, as the add-in's process command does; the window shows on
// `servicios`. The Word must outlive the saving of the document: closing Word closes it.
ResultadoMarcado MarcarDocumento(const std::shared_ptr<memory::MemoryApplication>& word,
                                 const std::shared_ptr<memory::MemoryDocument>& documento,
                                 const std::shared_ptr<GestionBD>& gestion,
                                 ui::Servicios& servicios);

}  // namespace quillora
