#pragma once

#include <cstdint>
#include <memory>

#include "word/command_bars.h"

namespace quillora {

// A reference to a command-bar button that receives its Click event: setting it connects the
// handler to the new button and disconnects it from the old one; so does its destruction.
class BotonConEventos {
 public:
  explicit BotonConEventos(word::CommandBarControl::ClickHandler alPulsar);
  ~BotonConEventos();
  BotonConEventos(const BotonConEventos&) = delete;
  BotonConEventos& operator=(const BotonConEventos&) = delete;

  // A failure to connect leaves the reference empty and reaches the caller.
  void Set(std::shared_ptr<word::CommandBarControl> control);
  const std::shared_ptr<word::CommandBarControl>& Get() const { return control_; }
  word::CommandBarControl* operator->() const { return control_.get(); }
  explicit operator bool() const { return control_ != nullptr; }

 private:
  word::CommandBarControl::ClickHandler alPulsar_;
  std::shared_ptr<word::CommandBarControl> control_;
  std::int32_t cookie_ = 0;
};

}  // namespace quillora
