#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillora::comun {

// The running processes of the machine.
class Procesos {
 public:
  virtual ~Procesos() = default;
  // The identifiers of every running process; none when the list cannot be read.
  virtual std::optional<std::vector<std::uint32_t>> Enumerar() = 0;
  // The names under which the process runs its program (the program file, and where the
  // platform has one, the first word of its command line); empty when the process may not be
  // opened or has ended.
  virtual std::vector<std::string> NombresPrograma(std::uint32_t id) = 0;
};

}  // namespace quillora::comun
