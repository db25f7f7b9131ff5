#include "dictionary/indice_prefijos.h"

namespace quillora {

namespace {

// Calls `hacer` with each beginning of `mayusculas` that ends before a blank, then the whole.
template <typename Hacer>
void CadaPrefijo(std::string_view mayusculas, Hacer hacer) {
  for (auto blanco = mayusculas.find(' '); blanco != std::string_view::npos;
       blanco = mayusculas.find(' ', blanco + 1)) {
    hacer(mayusculas.substr(0, blanco));
  }
  hacer(mayusculas);
}

}  // namespace

void IndicePrefijos::Add(std::string_view mayusculas) {
  CadaPrefijo(mayusculas, [this](std::string_view prefijo) {
    const auto cuenta = cuentas_.find(prefijo);
    if (cuenta == cuentas_.end()) {
      cuentas_.emplace(std::string(prefijo), 1);
    } else {
      ++cuenta->second;
    }
  });
}

void IndicePrefijos::Remove(std::string_view mayusculas) {
  CadaPrefijo(mayusculas, [this](std::string_view prefijo) {
    const auto cuenta = cuentas_.find(prefijo);
    if (cuenta != cuentas_.end() && --cuenta->second == 0) cuentas_.erase(cuenta);
  });
}

}  // namespace quillora
