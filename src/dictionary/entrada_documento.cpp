#include "dictionary/entrada_documento.h"

#include <utility>

namespace quillora {

EntradaDocumento::EntradaDocumento(PermisoCreacion /*permiso*/, std::string idDocumento)
    : idDocumento_(std::move(idDocumento)) {}

}  // namespace quillora
