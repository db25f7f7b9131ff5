#pragma once

#include <string>
#include <utility>

#include "dictionary/clase_diccionario.h"
#include "dictionary/permiso_creacion.h"
#include "dictionary/sexismo_entrada.h"

namespace quillora {

// One sexism class; its name is set once, by Sexismos::Add.
class Sexismo final : public ClaseDiccionario<SexismoEntrada> {
 public:
  Sexismo(PermisoCreacion /*permiso*/, std::string sexismo)
      : ClaseDiccionario(std::move(sexismo)) {}

  const std::string& GetSexismo() const { return Nombre(); }
};

}  // namespace quillora
