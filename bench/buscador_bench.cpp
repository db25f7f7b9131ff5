// Feeds the words of a generated 1,000,000-word document to the matcher, in the processing run's
// calling order (ProcesarPalabra, Estado, Limpiar, with its backtracking), against a 1,000-entry
// and a 100,000-entry dictionary, and prints words per second and the document's memory per word.

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "memory_document.h"
#include "scan/buscador.h"
#include "scan/documentos.h"
#include "story.h"
#include "word/range.h"

namespace {

using quillora::Buscador;
using quillora::Documentos;
using quillora::GestionBD;
using quillora::memory::MemoryDocument;

const std::vector<std::string> kTerminos = {
    "hombre",       "hombres",    "el hombre",   "hombre de negocios", "los derechos del hombre",
    "niños",        "los niños",  "alumnos",     "los alumnos",        "ciudadanos",
    "trabajadores", "profesores", "señorita",    "sexo débil",         "mujer pública",
    "padres",       "directores", "funcionarios"};

const std::vector<std::string> kComunes = {
    "el",       "la",     "de",      "que",   "y",       "a",       "en",      "un",    "ser",
    "se",       "no",     "haber",   "por",   "con",     "su",      "para",    "como",  "estar",
    "tener",    "le",     "lo",      "todo",  "pero",    "más",     "hacer",   "o",     "poder",
    "decir",    "este",   "ir",      "otro",  "ese",     "si",      "me",      "ya",    "ver",
    "porque",   "dar",    "cuando",  "muy",   "sin",     "vez",     "mucho",   "saber", "qué",
    "sobre",    "mi",     "alguno",  "mismo", "también", "hasta",   "año",     "dos",   "querer",
    "entre",    "así",    "primero", "desde", "grande",  "eso",     "ni",      "nos",   "llegar",
    "pasar",    "tiempo", "ella",    "sí",    "día",     "uno",     "bien",    "poco",  "deber",
    "entonces", "poner",  "cosa",    "tanto", "hombre",  "parecer", "nuestro", "tan",   "donde"};

std::string Sintetico(std::mt19937& azar) {
  static const std::string letras = "abcdefghijklmnopqrstuvwxyzáéíóúñ";
  std::uniform_int_distribution<int> longitud(5, 11);
  std::uniform_int_distribution<size_t> letra(0, 25);
  std::string palabra;
  for (int i = longitud(azar); i > 0; --i) palabra += letras[letra(azar)];
  return palabra;
}

std::shared_ptr<GestionBD> Diccionario(int entradas) {
  auto gestion = std::make_shared<GestionBD>();
  std::mt19937 azar(7);
  for (const auto& termino : kTerminos) gestion->GetEntradas()->Add(termino);
  while (gestion->GetEntradas()->Count() < entradas) {
    // One entry in twenty is an expression of two or three words.
    std::string texto = Sintetico(azar);
    if (azar() % 20 == 0) texto += " de " + Sintetico(azar);
    gestion->GetEntradas()->Add(texto);
  }
  return gestion;
}

std::shared_ptr<MemoryDocument> Documento(int palabras) {
  std::mt19937 azar(11);
  std::vector<std::string> parrafos;
  std::string parrafo;
  for (int i = 0; i < palabras; ++i) {
    const bool termino = azar() % 50 == 0;
    parrafo += termino ? kTerminos[azar() % kTerminos.size()] : kComunes[azar() % kComunes.size()];
    parrafo += (i % 97 == 96) ? ". " : (i % 13 == 12) ? ", " : " ";
    if (i % 150 == 149) {
      parrafos.push_back(std::move(parrafo));
      parrafo.clear();
    }
  }
  parrafos.push_back(parrafo);
  return MemoryDocument::Create(parrafos);
}

struct Medida {
  double palabrasPorSegundo;
  long marcas;
};

Medida Recorrer(const std::shared_ptr<MemoryDocument>& documento,
                const std::shared_ptr<GestionBD>& gestion, Documentos& documentos) {
  Buscador buscador;
  buscador.SetGestion(gestion);
  long palabras = 0;
  long marcas = 0;
  const auto inicio = std::chrono::steady_clock::now();
  auto palabra = documento->Range()->GetWords()->GetFirst();
  while (palabra) {
    buscador.ProcesarPalabra(palabra, documentos);
    ++palabras;
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
  std::printf("documento: %d unidades de palabra, %.1f bytes por unidad\n", unidades,
              static_cast<double>(documento->MemoryUsed()) / unidades);

  double tasas[2] = {};
  int indice = 0;
  for (const int entradas : {1'000, 100'000}) {
    auto gestion = Diccionario(entradas);
    Documentos documentos([gestion] { return gestion; });
    documentos.Add(documento);
    gestion->CargarDocumento(documentos.IdDocumentoStr(documento));
    Recorrer(documento, gestion, documentos);  // warm-up
    const auto medida = Recorrer(documento, gestion, documentos);
    std::printf("diccionario de %6d entradas: %.2f millones de palabras/s, %ld coincidencias\n",
                entradas, medida.palabrasPorSegundo / 1e6, medida.marcas);
    tasas[indice++] = medida.palabrasPorSegundo;
  }
  std::printf("relación de velocidades (1.000 / 100.000 entradas): %.2f\n", tasas[0] / tasas[1]);
  return 0;
}
