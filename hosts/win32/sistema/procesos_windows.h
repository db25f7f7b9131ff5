#pragma once

#include "common/procesos.h"

namespace quillora::win32 {

// The processes of the machine through the process status functions. A process is named by
// its program file, read from its main module; one that may not be opened has no name.
class ProcesosWindows final : public comun::Procesos {
 public:
  std::optional<std::vector<std::uint32_t>> Enumerar() override;
  std::vector<std::string> NombresPrograma(std::uint32_t id) override;
};

}  // namespace quillora::win32
