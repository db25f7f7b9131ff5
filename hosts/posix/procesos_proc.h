#pragma once

#include <filesystem>

#include "common/procesos.h"

namespace quillora::posix {

// The processes of this machine read from /proc. A process of another user is not opened, as
// the add-in may only look into its own user's programs; for one of this user the names are
// its executable and the first word of its command line (a program run by an emulator shows
// its own name only there).
class ProcesosProc final : public comun::Procesos {
 public:
  // `raiz` is /proc; tests give a tree of their own.
  explicit ProcesosProc(std::filesystem::path raiz = "/proc");
  std::optional<std::vector<std::uint32_t>> Enumerar() override;
  std::vector<std::string> NombresPrograma(std::uint32_t id) override;

 private:
  std::filesystem::path raiz_;
};

}  // namespace quillora::posix
