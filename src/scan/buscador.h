#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "dictionary/indice_prefijos.h"

namespace quillora {

namespace word {
class Range;
}
class Documentos;
class Entrada;
class GestionBD;

// Recognises dictionary entries in a stream of document words fed one at a time: the longest
// entry that is not skipped for the document wins, with one word of look-ahead. The caller marks,
// backtracks and clears; the matcher never changes the document.
class Buscador {
 public:
  static constexpr std::int32_t kInactivo = 0;
  static constexpr std::int32_t kEnCurso = 1;
  static constexpr std::int32_t kTerminado = 2;

  std::int32_t GetEstado() const { return estado_; }
  const std::shared_ptr<Entrada>& GetUltimaEntradaValida() const { return ultimaEntradaValida_; }
  const std::shared_ptr<GestionBD>& GetGestion() const { return gestion_; }
  void SetGestion(std::shared_ptr<GestionBD> gestion) { gestion_ = std::move(gestion); }
  const std::shared_ptr<word::Range>& GetRangoInicial() const { return rangoInicial_; }
  const std::shared_ptr<word::Range>& GetRangoFinal() const { return rangoFinal_; }

  void Limpiar();
  void ProcesarPalabra(const std::shared_ptr<word::Range>& rango, Documentos& documentosActuales);

 private:
  bool EntradaValidaEnDocumento(const Entrada& entrada, const word::Range& rango,
                                Documentos& documentosActuales) const;

  std::int32_t estado_ = kInactivo;
  std::shared_ptr<GestionBD> gestion_;
  std::shared_ptr<word::Range> rangoInicial_;
  std::shared_ptr<word::Range> rangoFinal_;
  std::shared_ptr<word::Range> rangoEntradaValida_;
  std::shared_ptr<Entrada> ultimaEntradaValida_;
  std::string claveAcumulada_;  // the key (ClaveTexto) of the words read so far
  // Their place in the dictionary's prefix index, and the index's version when it was found.
  IndicePrefijos::Nodo nodo_ = IndicePrefijos::kRaiz;
  std::uint64_t version_ = 0;
};

// The word as the matcher compares it: outer blanks and no-break spaces removed, optional hyphens
// dropped (they only mark where the word may break).
std::string PalabraDeRango(const std::string& textoRango);

}  // namespace quillora
