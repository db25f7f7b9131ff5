#pragma once

#include <string>

#include "dictionary/permiso_creacion.h"

namespace quillora {

// The state of one entry in one document, under the document's key ("D" and its identity
// number). The key is set once, by EntradasDocumentos::Add.
class EntradaDocumento {
 public:
  EntradaDocumento(PermisoCreacion /*permiso*/, std::string idDocumento);

  const std::string& GetIdDocumento() const { return idDocumento_; }
  // True when the user chose to skip every occurrence of the entry in the document.
  bool GetOmitir() const { return omitir_; }
  void SetOmitir(bool omitir) { omitir_ = omitir; }

 private:
  std::string idDocumento_;
  bool omitir_ = false;
};

}  // namespace quillora
