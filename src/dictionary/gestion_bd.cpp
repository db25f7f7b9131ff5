#include "dictionary/gestion_bd.h"

namespace quillora {

GestionBD::~GestionBD() {
  entradas_->Clear();
  entradas_.reset();
  morfologias_->Clear();
  morfologias_.reset();
  sexismos_->Clear();
  sexismos_.reset();
  determinantes_->Clear();
  determinantes_.reset();
}

void GestionBD::CargarDocumento(std::string_view idDocumento) {
  for (const auto& entrada : entradas_->NewEnum()) entrada->GetDocumentos()->Add(idDocumento);
}

void GestionBD::DescargarDocumento(std::string_view idDocumento) {
  for (const auto& entrada : entradas_->NewEnum()) {
    const auto& documentos = entrada->GetDocumentos();
    if (documentos->ItemByText(idDocumento) != nullptr) documentos->Remove(idDocumento);
  }
}

}  // namespace quillora
