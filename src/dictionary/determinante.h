#pragma once

#include <cstdint>
#include <string>

#include "dictionary/permiso_creacion.h"

namespace quillora {

// One determiner word; the word is set once, by Determinantes::Add.
class Determinante {
 public:
  Determinante(PermisoCreacion /*permiso*/, std::string determinante);

  std::int32_t GetId() const { return id_; }
  void SetId(std::int32_t id) { id_ = id; }
  const std::string& GetDeterminante() const { return determinante_; }

 private:
  std::int32_t id_ = 0;
  std::string determinante_;
};

}  // namespace quillora
