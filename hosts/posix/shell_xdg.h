#pragma once

#include <string>
#include <vector>

#include "common/shell.h"

namespace quillora::posix {

// The desktop's shell through xdg-open, started directly (no shell in between, so nothing in a
// link or a path is ever read as a command) and waited for.
class ShellXdg final : public comun::Shell {
 public:
  // `programa` is looked up in PATH; tests give one of their own.
  explicit ShellXdg(std::string programa = "xdg-open");
  bool Abrir(const std::string& archivoOEnlace) override;

 private:
  std::string programa_;
};

}  // namespace quillora::posix
