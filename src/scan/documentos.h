#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/lista_clave.h"

namespace quillora {

namespace word {
class Document;
}
class GestionBD;

// The documents the add-in knows, under their document keys ("D" and the document's identity
// number). It refers to the documents without owning them in Word's sense: closing is Word's.
class Documentos {
 public:
  // `gestion` answers the dictionary in use whenever a document leaves, so that its records
  // leave the dictionary loaded last.
  explicit Documentos(std::function<std::shared_ptr<GestionBD>()> gestion);

  // Adds the document and answers its identity number; ErrorColeccion when it is already there.
  std::int32_t Add(const std::shared_ptr<word::Document>& documento);
  std::shared_ptr<word::Document> Item(std::int32_t indice) const;
  std::shared_ptr<word::Document> ItemByText(std::string_view idDocumento) const;
  std::int32_t Count() const;
  // A number that stays with the document while it lives and is never given to another one.
  std::int32_t IdDocumento(const std::shared_ptr<word::Document>& documento) const;
  std::string IdDocumentoStr(const std::shared_ptr<word::Document>& documento) const;
  // Drops the document and its records from the dictionary in use. ErrorColeccion, with nothing
  // removed, when the document is not there or no dictionary is in use.
  void Remove(const std::shared_ptr<word::Document>& documento);
  bool Contains(const std::shared_ptr<word::Document>& documento) const;
  // Drops every document as Remove does.
  void Clear();
  std::vector<std::shared_ptr<word::Document>> NewEnum() const;

 private:
  // The dictionary in use; ErrorColeccion when there is none.
  std::shared_ptr<GestionBD> GestionActual() const;

  ListaClave<word::Document> lista_;
  std::function<std::shared_ptr<GestionBD>()> gestion_;
};

}  // namespace quillora
