#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "dictionary/entrada.h"
#include "dictionary/entradas_resultado.h"
#include "dictionary/indice_prefijos.h"
#include "dictionary/indice_primer_segmento.h"
#include "dictionary/lista_clave.h"

namespace quillora {

// The dictionary entries, keyed by their text (ClaveTexto). An entry leaves with its class links
// dropped, so no class list keeps it.
class Entradas {
 public:
  Entradas() = default;
  Entradas(const Entradas&) = delete;
  Entradas& operator=(const Entradas&) = delete;
  ~Entradas() = default;

  // The new entry, whose text is `texto` unchanged; nullptr, and nothing added, when its key is
  // taken.
  std::shared_ptr<Entrada> Add(std::string_view texto);
  // By 1-based position; ErrorColeccion outside 1 to Count.
  std::shared_ptr<Entrada> Item(std::int32_t indice) const;
  // By the key of `texto`; nullptr when absent.
  std::shared_ptr<Entrada> ItemByText(std::string_view texto) const;
  // The entries that begin with the words of `texto`, in insertion order: those whose upper text
  // is the key K of `texto`, or K followed by a blank and more. For "hombre": "hombre" and
  // "hombre público", but not "hombres" nor "el hombre".
  EntradasResultado ItemsByText(std::string_view texto) const;
  // For a text already made its key (ClaveTexto): whether ItemsByText would find any entry,
  // without gathering them.
  bool HayQueEmpiecenPorClave(std::string_view clave) const { return prefijos_.Contiene(clave); }
  // The same question and the entry under a key, asked one word at a time by a matcher.
  const IndicePrefijos& GetPrefijos() const { return prefijos_; }
  std::int32_t Count() const { return lista_.Count(); }
  // Each removal first detaches the entry from its classes. ErrorColeccion, and nothing changes,
  // when the position or key is not present.
  void Remove(std::int32_t indice);
  void Remove(std::string_view texto);
  void Clear();
  std::vector<std::shared_ptr<Entrada>> NewEnum() const { return lista_.NewEnum(); }

 private:
  // What leaving the collection does to an entry: Desligar, and off the index.
  void Soltar(const std::shared_ptr<Entrada>& entrada);
  // Sexism class, then morphological class, set to none, so no class list keeps the entry.
  static void Desligar(const std::shared_ptr<Entrada>& entrada);

  ListaClave<Entrada> lista_;
  IndicePrimerSegmento indice_;
  IndicePrefijos prefijos_;
};

}  // namespace quillora
