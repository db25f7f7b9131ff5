#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "dictionary/permiso_creacion.h"

namespace quillora {

// One alternative wording of an entry. Made by Sustitutos::Add, which stores it under the key of
// the wording it is made with.
class Sustituto {
 public:
  Sustituto(PermisoCreacion /*permiso*/, std::string sustituto);

  std::int32_t GetId() const { return id_; }
  void SetId(std::int32_t id) { id_ = id; }
  const std::string& GetSustituto() const { return sustituto_; }
  void SetSustituto(std::string sustituto) { sustituto_ = std::move(sustituto); }
  const std::string& GetContexto() const { return contexto_; }
  void SetContexto(std::string contexto) { contexto_ = std::move(contexto); }

 private:
  std::int32_t id_ = 0;
  std::string sustituto_;
  std::string contexto_;
};

}  // namespace quillora
