#include "scan/documentos.h"

#include "common/tag_variant.h"
#include "dictionary/clave_texto.h"
#include "dictionary/gestion_bd.h"
#include "word/document.h"

namespace quillora {

Documentos::Documentos(std::function<std::shared_ptr<GestionBD>()> gestion)
    : gestion_(std::move(gestion)) {}

std::shared_ptr<GestionBD> Documentos::GestionActual() const {
  auto gestion = gestion_ ? gestion_() : nullptr;
  if (!gestion) {
    throw ErrorColeccion("No hay ningún diccionario del que quitar los registros del documento");
  }
  return gestion;
}

std::int32_t Documentos::Add(const std::shared_ptr<word::Document>& documento) {
  const auto clave = IdDocumentoStr(documento);
  if (!lista_.Add(clave, documento)) {
    throw ErrorColeccion("El documento " + clave + " ya está en la colección");
  }
  return IdDocumento(documento);
}

std::shared_ptr<word::Document> Documentos::Item(std::int32_t indice) const {
  return lista_.Item(indice);
}

std::shared_ptr<word::Document> Documentos::ItemByText(std::string_view idDocumento) const {
  return lista_.ItemByKey(ClaveTexto(idDocumento));
}

std::int32_t Documentos::Count() const { return lista_.Count(); }

std::int32_t Documentos::IdDocumento(const std::shared_ptr<word::Document>& documento) const {
  return tag_variant::IdObjeto(documento);
}

std::string Documentos::IdDocumentoStr(const std::shared_ptr<word::Document>& documento) const {
  return "D" + std::to_string(IdDocumento(documento));
}

void Documentos::Remove(const std::shared_ptr<word::Document>& documento) {
  const auto gestion = GestionActual();
  const auto clave = IdDocumentoStr(documento);
  lista_.RemoveByKey(clave, [&](const auto&) { gestion->DescargarDocumento(clave); });
}

bool Documentos::Contains(const std::shared_ptr<word::Document>& documento) const {
  try {
    return lista_.ItemByKey(IdDocumentoStr(documento)) != nullptr;
  } catch (const std::exception&) {
    return false;  // a document that cannot be identified is not known
  }
}

void Documentos::Clear() {
  if (Count() == 0) return;
  const auto gestion = GestionActual();
  lista_.Clear([&](const std::shared_ptr<word::Document>& documento) {
    gestion->DescargarDocumento(IdDocumentoStr(documento));
  });
}

std::vector<std::shared_ptr<word::Document>> Documentos::NewEnum() const {
  return lista_.NewEnum();
}

}  // namespace quillora
