// Feeds the words of a generated 1,000,000-word document to the matcher, in the processing run's
// calling order (ProcesarPalabra, Estado, Limpiar, with its backtracking), against dictionaries
// of 1,000, 10,000 and 100,000 entries shaped like the sample, and prints the document's words
// per second for each and the document's memory per word.

#include <cctype>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "diccionario_generado.h"
#include "dictionary/diccionario_muestra.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "memory_document.h"
#include "scan/buscador.h"
#include "scan/documentos.h"
#include "story.h"
#include "word/range.h"

namespace {

using quillora::Buscador;
using quillora::DiccionarioMuestra;
using quillora::Documentos;
using quillora::GestionBD;
using quillora::memory::MemoryDocument;

const std::vector<std::string> kComunes = {
    "el",       "la",     "de",      "que",   "y",       "a",       "en",      "un",    "ser",
    "se",       "no",     "haber",   "por",   "con",     "su",      "para",    "como",  "estar",
    "tener",    "le",     "lo",      "todo",  "pero",    "más",     "hacer",   "o",     "poder",
    "decir",    "este",   "ir",      "otro",  "ese",     "si",      "me",      "ya",    "ver",
    "porque",   "dar",    "cuando",  "muy",   "sin",     "vez",     "mucho",   "saber", "qué",
    "sobre",    "mi",     "alguno",  "mismo", "también", "hasta",   "año",     "dos",   "querer",
    "entre",    "así",    "primero", "desde", "grande",  "eso",     "ni",      "nos",   "llegar",
    "pasar",    "tiempo", "ella",    "sí",    "día",     "uno",     "bien",    "poco",  "deber",
    "entonces", "poner",  "cosa",    "tanto", "los",     "parecer", "nuestro", "tan",   "donde",
    "las",      "del",    "al",      "los",   "el",      "la",      "las",     "unos",  "todos"};

// The terms of the document: entries of the smallest dictionary measured, which every larger one
// holds too, so that each size finds the same matches.
const std::vector<DiccionarioMuestra::Entrada>& Muestra() {
  static const auto terminos = quillora::bench::DiccionarioGenerado(1'000).entradas;
  return terminos;
}

// The generated dictionary, loaded as the program loads its database.
std::shared_ptr<GestionBD> Diccionario(int entradas) {
  auto gestion = std::make_shared<GestionBD>();
  for (const auto& entrada : quillora::bench::DiccionarioGenerado(entradas).entradas) {
    gestion->GetEntradas()->Add(entrada.entrada);
  }
  return gestion;
}

// Common words with one word in fifty taken from the sample's entries (whole expressions) that
// the 1,000-entry dictionary holds.
std::shared_ptr<MemoryDocument> Documento(int palabras) {
  std::mt19937 azar(11);
  std::vector<std::string> parrafos;
  std::string parrafo;
  for (int i = 0; i < palabras; ++i) {
    const bool termino = azar() % 50 == 0;
    parrafo +=
        termino ? Muestra()[azar() % Muestra().size()].entrada : kComunes[azar() % kComunes.size()];
    parrafo += (i % 97 == 96) ? ". " : (i % 13 == 12) ? ", " : " ";
    if (i % 150 == 149) {
      parrafos.push_back(std::move(parrafo));
      parrafo.clear();
    }
  }
  parrafos.push_back(parrafo);
  return MemoryDocument::Create(parrafos);
}

// The document's words: its word units that begin with a letter or digit (not punctuation,
// not paragraph marks).
long ContarPalabras(const MemoryDocument& documento) {
  long palabras = 0;
  for (auto unidad = documento.Range()->GetWords()->GetFirst(); unidad;
       unidad = unidad->Next(quillora::word::Unidad::Palabra, 1)) {
    const auto texto = unidad->GetText();
    const auto c = static_cast<unsigned char>(texto.empty() ? ' ' : texto[0]);
    palabras += (std::isalnum(c) || c >= 0x80) ? 1 : 0;
  }
  return palabras;
}

struct Medida {
  double palabrasPorSegundo;
  long marcas;
};

Medida Recorrer(const std::shared_ptr<MemoryDocument>& documento, long palabras,
                const std::shared_ptr<GestionBD>& gestion, Documentos& documentos) {
  Buscador buscador;
  buscador.SetGestion(gestion);
  long marcas = 0;
  const auto inicio = std::chrono::steady_clock::now();
  auto palabra = documento->Range()->GetWords()->GetFirst();
  while (palabra) {
    buscador.ProcesarPalabra(palabra, documentos);
    auto siguiente = palabra->Next(quillora::word::Unidad::Palabra, 1);
    if (buscador.GetEstado() == Buscador::kTerminado) {
      if (buscador.GetUltimaEntradaValida() && buscador.GetRangoInicial() &&
          buscador.GetRangoFinal()) {
        ++marcas;
        siguiente = buscador.GetRangoFinal()->Next(quillora::word::Unidad::Palabra, 1);
      } else if (buscador.GetRangoInicial()) {
        siguiente = buscador.GetRangoInicial()->Next(quillora::word::Unidad::Palabra, 1);
      }
      buscador.Limpiar();
    }
    palabra = std::move(siguiente);
  }
  const std::chrono::duration<double> segundos = std::chrono::steady_clock::now() - inicio;
  return {static_cast<double>(palabras) / segundos.count(), marcas};
}

}  // namespace

int main() {
  constexpr int kPalabras = 1'000'000;
  auto documento = Documento(kPalabras);
  const auto unidades = documento->Range()->GetWords()->Count();
  const long palabras = ContarPalabras(*documento);
  std::printf("documento: %ld palabras en %d unidades, %.1f bytes por unidad\n", palabras, unidades,
              static_cast<double>(documento->MemoryUsed()) / unidades);

  std::vector<double> tasas;
  for (const int entradas : {1'000, 10'000, 100'000}) {
    auto gestion = Diccionario(entradas);
    Documentos documentos([gestion] { return gestion; });
    documentos.Add(documento);
    gestion->CargarDocumento(documentos.IdDocumentoStr(documento));
    Recorrer(documento, palabras, gestion, documentos);  // warm-up
    const auto medida = Recorrer(documento, palabras, gestion, documentos);
    std::printf("diccionario de %6d entradas: %.2f millones de palabras/s, %ld coincidencias\n",
                entradas, medida.palabrasPorSegundo / 1e6, medida.marcas);
    tasas.push_back(medida.palabrasPorSegundo);
  }
  std::printf("relación de velocidades (1.000 / 100.000 entradas): %.2f\n",
              tasas.front() / tasas.back());
  return 0;
}
