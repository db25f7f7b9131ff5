#pragma once

#include <memory>
#include <string_view>

#include "dictionary/determinantes.h"
#include "dictionary/entradas.h"
#include "dictionary/morfologias.h"
#include "dictionary/sexismos.h"

namespace quillora {

// The in-memory dictionary: it owns the entries, the two kinds of classes and the determiners
// for its whole life.
class GestionBD {
 public:
  GestionBD() = default;
  GestionBD(const GestionBD&) = delete;
  GestionBD& operator=(const GestionBD&) = delete;
  // Entries and classes refer to each other; clearing the entries first (each detached from its
  // classes), then the classes, takes those references apart so everything is freed.
  ~GestionBD();

  const std::shared_ptr<Entradas>& GetEntradas() const { return entradas_; }
  const std::shared_ptr<Morfologias>& GetMorfologias() const { return morfologias_; }
  const std::shared_ptr<Sexismos>& GetSexismos() const { return sexismos_; }
  const std::shared_ptr<Determinantes>& GetDeterminantes() const { return determinantes_; }

  // Gives every entry a record for the document key `idDocumento`, not skipped; an entry that
  // already has one keeps it, Omitir included.
  void CargarDocumento(std::string_view idDocumento);
  // Removes every entry's record for the document key `idDocumento`, so the records of closed
  // documents do not pile up and a later document with the same key starts afresh.
  void DescargarDocumento(std::string_view idDocumento);

 private:
  std::shared_ptr<Entradas> entradas_ = std::make_shared<Entradas>();
  std::shared_ptr<Morfologias> morfologias_ = std::make_shared<Morfologias>();
  std::shared_ptr<Sexismos> sexismos_ = std::make_shared<Sexismos>();
  std::shared_ptr<Determinantes> determinantes_ = std::make_shared<Determinantes>();
};

}  // namespace quillora
