#pragma once

#include <cstdint>
#include <memory>

#include "addin/connect.h"
#include "common/entorno.h"

namespace quillora {

namespace memory {
class MemoryApplication;
class MemoryDocument;
}  // namespace memory
namespace ui {
class Servicios;
}

// The buttons of the "Quillora" bar, by position.
enum class BotonQuillora : std::int32_t { Procesar = 1, Mostrar, Ocultar, Nota, Gestion, Ayuda };

// Word's part, played over documents read from files: an in-memory Word without per-reviewer
// views (a .docx has none here) that loads the add-in at its start-up, opens and closes documents
// raising the events Word raises, and lets the user press the add-in's buttons. The data source
// "Quillora" must be reachable before Iniciar.
class SesionWord {
 public:
  SesionWord(ui::Servicios& servicios, comun::Entorno entorno);
  // Shuts Word down if it still runs.
  ~SesionWord();
  SesionWord(const SesionWord&) = delete;
  SesionWord& operator=(const SesionWord&) = delete;

  // Word starts: the add-in is connected and its start-up completes (the dictionary is loaded).
  void Iniciar();
  // Opens the document in its window, which becomes the active one.
  void Abrir(const std::shared_ptr<memory::MemoryDocument>& documento);
  // The user presses the button at its position in the "Quillora" bar. False when the button is
  // hidden, as a hidden button cannot be pressed.
  bool Pulsar(BotonQuillora boton);
  // The user right-clicks the stretch of the document and chooses "Quillora..." in the menu;
  // false when the menu does not offer it (no mark there).
  bool RevisarEn(const std::shared_ptr<memory::MemoryDocument>& documento, std::int32_t inicio,
                 std::int32_t fin);
  void Cerrar(const std::shared_ptr<memory::MemoryDocument>& documento);
  // Word quits: the add-in shuts down and is disconnected.
  void Terminar();

  const Connect& Complemento() const { return connect_; }

 private:
  std::shared_ptr<memory::MemoryApplication> word_;
  Connect connect_;
  bool iniciada_ = false;
};

}  // namespace quillora
