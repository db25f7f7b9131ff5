#include "dictionary/indice_primer_segmento.h"

#include <algorithm>

#include "dictionary/entrada.h"

namespace quillora {

namespace {

std::string_view PrimerSegmento(std::string_view texto) { return texto.substr(0, texto.find(' ')); }

}  // namespace

void IndicePrimerSegmento::Add(const std::shared_ptr<Entrada>& entrada) {
  const std::string_view segmento = PrimerSegmento(entrada->Mayusculas());
  auto grupo = grupos_.find(segmento);
  if (grupo == grupos_.end()) grupo = grupos_.emplace(segmento, Grupo{}).first;
  grupo->second.push_back(entrada);
}

void IndicePrimerSegmento::Remove(const Entrada& entrada) {
  const auto grupo = grupos_.find(PrimerSegmento(entrada.Mayusculas()));
  if (grupo == grupos_.end()) return;
  auto& entradas = grupo->second;
  const auto encontrada = std::find_if(entradas.begin(), entradas.end(),
                                       [&entrada](const std::shared_ptr<Entrada>& candidata) {
                                         return candidata.get() == &entrada;
                                       });
  if (encontrada != entradas.end()) entradas.erase(encontrada);
  if (entradas.empty()) grupos_.erase(grupo);
}

std::span<const std::shared_ptr<Entrada>> IndicePrimerSegmento::Candidatos(
    std::string_view clave) const {
  const auto grupo = grupos_.find(PrimerSegmento(clave));
  if (grupo == grupos_.end()) return {};
  return grupo->second;
}

}  // namespace quillora
