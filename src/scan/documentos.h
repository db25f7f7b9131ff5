#pragma once

#include <cstdint>
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
  // Adds the document and answers its identity number; ErrorColeccion when it is already there.
  std::int32_t Add(const std::shared_ptr<word::Document>& documento);
  std::shared_ptr<word::Document> Item(std::int32_t indice) const;
  std::shared_ptr<word::Document> ItemByText(std::string_view idDocumento) const;
  std::int32_t Count() const;
  // A number that stays with the document while it lives and is never given to another one.
  std::int32_t IdDocumento(const std::shared_ptr<word::Document>& documento) const;
  std::string IdDocumentoStr(const std::shared_ptr<word::Document>& documento) const;
  // ErrorColeccion when the document is not there.
  void Remove(const std::shared_ptr<word::Document>& documento);
  bool Contains(const std::shared_ptr<word::Document>& documento) const;
  void Clear();
  std::vector<std::shared_ptr<word::Document>> NewEnum() const;

  // The dictionary whose per-document records leave with a document that leaves the registry.
  void SetGestion(std::weak_ptr<GestionBD> gestion) { gestion_ = std::move(gestion); }

 private:
  struct OlvidarRegistros {
    const Documentos& documentos;
    void operator()(const std::shared_ptr<word::Document>& documento) const;
  };

  ListaClave<word::Document> lista_;
  std::weak_ptr<GestionBD> gestion_;
};

}  // namespace quillora
