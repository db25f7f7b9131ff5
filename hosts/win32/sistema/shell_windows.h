#pragma once

#include "common/shell.h"

namespace quillora::win32 {

// The Windows shell: ShellExecuteA opens the file or link with the program associated with it,
// shown without taking the focus.
class ShellWindows final : public comun::Shell {
 public:
  bool Abrir(const std::string& archivoOEnlace) override;
};

}  // namespace quillora::win32
