#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "memory_command_bar.h"
#include "word/command_bars.h"

namespace quillora::memory {

// Word's command bars. The built-in bars are context menus; conImagenes false is an Office
// without button pictures. Bars and controls handed out die with this object.
class MemoryCommandBars final : public word::CommandBars {
 public:
  MemoryCommandBars(const std::vector<std::string>& barrasIntegradas, bool conImagenes);
  ~MemoryCommandBars() override;
  MemoryCommandBars(const MemoryCommandBars&) = delete;
  MemoryCommandBars& operator=(const MemoryCommandBars&) = delete;

  // Names are compared without ASCII case.
  std::shared_ptr<word::CommandBar> Item(const std::string& nombre) const override;
  std::shared_ptr<word::CommandBar> Item(std::int32_t index) const override;
  std::int32_t Count() const override;
  std::shared_ptr<word::CommandBar> Add(const std::string& nombre, std::int32_t position,
                                        bool menuBar, bool temporary) override;

  // Host side: what the user does. Deleting a custom bar or a control is the interfaces' Delete.
  // The user clicks a visible control: its handlers run, then those of every other control with
  // the same non-empty tag, all given the clicked control. Answers CancelDefault. The control is
  // taken by value so that it outlives a handler that resets the caller's pointer.
  bool Pulsar(std::shared_ptr<word::CommandBarControl> control);
  // The user drags the control to another position, from 1, of its bar.
  void Mover(const std::shared_ptr<word::CommandBarControl>& control, std::int32_t posicion);
  // Word restarts: temporary bars and controls are gone and every Click connection has ended.
  void Reiniciar();
  // Word restores a bar kept in the user's customisations, even under a name another bar has.
  std::shared_ptr<word::CommandBar> Restaurar(const std::string& nombre);

 private:
  std::shared_ptr<MemoryCommandBar> Buscar(const std::string& nombre) const;
  std::shared_ptr<MemoryCommandBar> Agregar(const std::string& nombre, std::int32_t position,
                                            bool integrada, bool temporary);
  // Throws HostError when the control is in no bar: deleted, or not of this Word.
  MemoryCommandBarControls& ColeccionDe(const word::CommandBarControl* control) const;

  bool conImagenes_;
  std::shared_ptr<MemoryCommandBar::Lista> barras_;
};

}  // namespace quillora::memory
