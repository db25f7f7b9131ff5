#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillora {

class Entrada;

// The entries' upper texts as paths of words (what lies between single blanks, so outer or
// double blanks give empty words) that share their beginnings: "LOS NIÑOS PEQUEÑOS" and "LOS
// NIÑOS" share the places "LOS" and "LOS NIÑOS". A matcher fed word by word keeps its place and
// takes one step per word: one hash of that word and one probe of a flat table, however large the
// dictionary, instead of hashing the whole text read so far.
class IndicePrefijos {
 public:
  // A place: the words read from the start.
  using Nodo = std::int32_t;
  static constexpr Nodo kRaiz = 0;      // no word read
  static constexpr Nodo kNinguno = -1;  // no entry begins with the words read

  IndicePrefijos();
  IndicePrefijos(const IndicePrefijos&) = delete;
  IndicePrefijos& operator=(const IndicePrefijos&) = delete;
  ~IndicePrefijos() = default;

  // The entry must stay alive while indexed, and its key be new here.
  void Add(const std::shared_ptr<Entrada>& entrada);
  void Remove(const Entrada& entrada);
  void Clear();

  // The place of the words of `nodo` followed by those of `clave` (a key, split at its blanks):
  // kNinguno unless some entry's upper text is those words, or them followed by a blank and more.
  Nodo Avanzar(Nodo nodo, std::string_view clave) const;
  bool Contiene(std::string_view clave) const { return Avanzar(kRaiz, clave) != kNinguno; }
  // The entry whose key (ClaveTexto) is the words of `nodo`, a place Avanzar gave; or nullptr.
  Entrada* EntradaEn(Nodo nodo) const { return nodos_[static_cast<std::size_t>(nodo)].entrada; }
  // Each change draws a number no index of the process drew before, so whoever keeps a place
  // knows when it may no longer mean the same words.
  std::uint64_t GetVersion() const { return version_; }

 private:
  struct Datos {
    std::string palabra;  // the last word of the place
    Entrada* entrada = nullptr;
    std::int32_t prefijos = 0;  // entries whose upper text passes through here
    std::int32_t usos = 0;      // paths through here, of upper texts and of keys
  };
  // The step from `padre` by the word whose hash is `huella`, to `hijo`; free when hijo is
  // kNinguno.
  struct Ranura {
    std::uint64_t huella = 0;
    Nodo padre = kNinguno;
    Nodo hijo = kNinguno;
  };
  static constexpr std::size_t kSinRanura = static_cast<std::size_t>(-1);

  std::size_t Buscar(Nodo padre, std::string_view palabra, std::uint64_t huella) const;
  // Adds one use to each place of the path of `texto`, and with `prefijo` one entry passing
  // through; the last place.
  Nodo Anadir(std::string_view texto, bool prefijo);
  // Undoes Anadir; with `propia` the last place drops its entry. Places left unused go.
  void Quitar(std::string_view texto, bool prefijo, bool propia);
  Nodo Crear(Nodo padre, std::string_view palabra, std::uint64_t huella);
  void Colocar(const Ranura& ranura);
  void Vaciar(std::size_t ranura);
  void NuevaVersion();

  std::vector<Datos> nodos_;     // by place; the root first
  std::vector<Nodo> libres_;     // places to reuse
  std::vector<Ranura> ranuras_;  // linear probing, a power of two long, at most half full
  std::size_t ocupadas_ = 0;
  std::uint64_t version_ = 0;
};

}  // namespace quillora
