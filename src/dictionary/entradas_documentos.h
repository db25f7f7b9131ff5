#pragma once

#include "dictionary/coleccion_texto.h"
#include "dictionary/entrada_documento.h"

namespace quillora {

// The per-document records of one entry, keyed by the document key.
class EntradasDocumentos final : public ColeccionTexto<EntradaDocumento> {};

}  // namespace quillora
