#pragma once

#include <string>
#include <utility>

#include "dictionary/clase_diccionario.h"
#include "dictionary/morfologia_entrada.h"
#include "dictionary/permiso_creacion.h"

namespace quillora {

// One morphological class; its name is set once, by Morfologias::Add.
class Morfologia final : public ClaseDiccionario<MorfologiaEntrada> {
 public:
  Morfologia(PermisoCreacion /*permiso*/, std::string morfologia)
      : ClaseDiccionario(std::move(morfologia)) {}

  const std::string& GetMorfologia() const { return Nombre(); }
};

}  // namespace quillora
