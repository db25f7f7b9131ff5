#include "common/colacion.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <stdexcept>

namespace quillora::texto {

struct Colacion::Impl {
  std::unique_ptr<icu::Collator> colador;
};

Colacion::Colacion() : impl_(std::make_unique<Impl>()) {
  UErrorCode estado = U_ZERO_ERROR;
  impl_->colador.reset(icu::Collator::createInstance(icu::Locale("es"), estado));
  if (U_FAILURE(estado) || !impl_->colador) {
    throw std::runtime_error(std::string("No se puede ordenar texto en español: ") +
                             u_errorName(estado));
  }
}

Colacion::~Colacion() = default;

int Colacion::Comparar(std::string_view a, std::string_view b) const {
  UErrorCode estado = U_ZERO_ERROR;
  const auto orden = impl_->colador->compareUTF8(
      icu::StringPiece(a.data(), static_cast<std::int32_t>(a.size())),
      icu::StringPiece(b.data(), static_cast<std::int32_t>(b.size())), estado);
  if (U_FAILURE(estado)) throw std::runtime_error("No se puede comparar el texto");
  return static_cast<int>(orden);
}

}  // namespace quillora::texto
