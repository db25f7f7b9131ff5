#include "dictionary/entradas_resultado.h"

#include <algorithm>

#include "dictionary/clave_texto.h"
#include "dictionary/entrada.h"
#include "dictionary/error_coleccion.h"

namespace quillora {

void EntradasResultado::Add(const std::shared_ptr<Entrada>& entrada) {
  if (Buscar(entrada->Clave()) == entradas_.end()) entradas_.push_back(entrada);
}

std::shared_ptr<Entrada> EntradasResultado::Item(std::int32_t indice) const {
  if (indice < 1 || indice > Count()) {
    throw ErrorColeccion::IndiceFueraDeIntervalo(indice, Count());
  }
  return entradas_[static_cast<std::size_t>(indice - 1)];
}

std::shared_ptr<Entrada> EntradasResultado::ItemByText(std::string_view texto) const {
  const auto encontrada = Buscar(ClaveTexto(texto));
  return encontrada == entradas_.end() ? nullptr : *encontrada;
}

void EntradasResultado::Remove(const std::shared_ptr<Entrada>& entrada) {
  const auto encontrada = Buscar(entrada->Clave());
  if (encontrada == entradas_.end()) throw ErrorColeccion::ClaveInexistente(entrada->Clave());
  entradas_.erase(encontrada);
}

std::vector<std::shared_ptr<Entrada>>::const_iterator EntradasResultado::Buscar(
    std::string_view clave) const {
  return std::find_if(
      entradas_.begin(), entradas_.end(),
      [clave](const std::shared_ptr<Entrada>& entrada) { return entrada->Clave() == clave; });
}

}  // namespace quillora
