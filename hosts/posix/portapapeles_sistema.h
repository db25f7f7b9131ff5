#pragma once

#include <string>

namespace quillora::posix {

// The desktop's clipboard, through the tool of the session the environment names: wl-copy under
// Wayland (WAYLAND_DISPLAY), xclip or else xsel under X (DISPLAY). Each is started directly, the
// text on its standard input, and waited for.
class PortapapelesSistema {
 public:
  // Answers whether the text is on the clipboard: false when no session or no tool is there, or
  // the tool failed.
  bool Copiar(const std::string& texto) const;
};

}  // namespace quillora::posix
