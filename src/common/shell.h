#pragma once

#include <string>

namespace quillora::comun {

// The desktop's shell: opens a document or a link with the program the system associates with it.
class Shell {
 public:
  virtual ~Shell() = default;
  // Opens without taking the focus from the current window; false when nothing could open it.
  virtual bool Abrir(const std::string& archivoOEnlace) = 0;
};

}  // namespace quillora::comun
