#include <windows.h>

#include <stdexcept>

#include "common/colacion.h"
#include "common/texto_unicode.h"

// Spanish order from the system's own linguistic comparison ("es-ES", modern sort).
namespace quillora::texto {

struct Colacion::Impl {};

Colacion::Colacion() : impl_(std::make_unique<Impl>()) {}

Colacion::~Colacion() = default;

int Colacion::Comparar(std::string_view a, std::string_view b) const {
  const auto anchoA = Utf8AUtf16(a);
  const auto anchoB = Utf8AUtf16(b);
  const int orden = CompareStringEx(L"es-ES", 0, reinterpret_cast<const wchar_t*>(anchoA.data()),
                                    static_cast<int>(anchoA.size()),
                                    reinterpret_cast<const wchar_t*>(anchoB.data()),
                                    static_cast<int>(anchoB.size()), nullptr, nullptr, 0);
  if (orden == 0) throw std::runtime_error("No se puede comparar el texto");
  return orden - CSTR_EQUAL;
}

}  // namespace quillora::texto
