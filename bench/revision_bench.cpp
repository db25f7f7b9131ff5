// "Cambiar todas" of the review dialog over 5,000 marks of one term in a 100,000-word document
// of the in-memory Word: prints the time the button takes.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "dictionary/determinantes.h"
#include "dictionary/entrada.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "dictionary/sustitutos.h"
#include "memory_document.h"
#include "review/frm_quillora.h"
#include "scan/documentos.h"
#include "servicios_terminal.h"
#include "word/comment.h"
#include "word/range.h"

namespace {

using namespace quillora;
using Reloj = std::chrono::steady_clock;

constexpr int kPalabras = 100'000;
constexpr int kMarcas = 5'000;
constexpr int kPalabrasPorParrafo = 80;

// Paragraphs of ordinary words where every 20th word is the term, half of the time after "el"
// and now and then at a sentence start.
std::vector<std::string> Parrafos(std::vector<std::pair<int, int>>& marcas) {
  const std::vector<std::string> relleno = {"que",   "de",   "la",  "casa", "vino", "con", "muy",
                                            "tarde", "para", "ver", "su",   "obra", "en",  "calma"};
  std::vector<std::string> parrafos;
  std::string parrafo;
  int posicion = 0;  // of the paragraph's start in the document, in UTF-16 units
  for (int i = 1; i <= kPalabras; ++i) {
    if (i % 20 == 0) {
      const bool inicio = i % 100 == 0;
      const std::string termino = inicio ? "Hombre" : "hombre";
      if (!inicio && i % 40 == 0) parrafo += "el ";
      const int desde = posicion + static_cast<int>(parrafo.size());
      marcas.emplace_back(desde, desde + 6);
      parrafo += termino + (inicio ? ". " : " ");
    } else {
      parrafo += relleno[static_cast<std::size_t>(i) % relleno.size()] + " ";
    }
    if (i % kPalabrasPorParrafo == 0) {
      parrafo.pop_back();
      posicion += static_cast<int>(parrafo.size()) + 1;
      parrafos.push_back(std::move(parrafo));
      parrafo.clear();
    }
  }
  return parrafos;
}

}  // namespace

int main() {
  auto gestion = std::make_shared<GestionBD>();
  for (const auto* determinante : {"el", "la", "los", "las"}) {
    gestion->GetDeterminantes()->Add(determinante);
  }
  gestion->GetEntradas()->Add("hombre")->GetSustitutos()->Add("la persona");
  std::vector<std::pair<int, int>> posiciones;
  const auto documento = memory::MemoryDocument::Create(Parrafos(posiciones));
  for (const auto& [inicio, fin] : posiciones) {
    documento->GetComments()->Add(*documento->Range(inicio, fin), "la persona")->SetInitial("QKV");
  }
  auto documentos = std::make_shared<Documentos>([gestion] { return gestion; });
  documentos->Add(documento);
  gestion->CargarDocumento(documentos->IdDocumentoStr(documento));

  terminal::ServiciosTerminal servicios(std::cerr, false);
  frmQuillora dialogo(servicios);
  dialogo.Load();
  dialogo.SetGestion(gestion);
  dialogo.SetDocumentosCargados(documentos);
  dialogo.SetSelectedComment(documento->GetComments()->Item(1));
  dialogo.Cargar();
  dialogo.lvSugerencias.ListItems().at(0).Selected = true;
  const auto inicio = Reloj::now();
  dialogo.cmdCambiarTodas.Pulsar();
  const double segundos = std::chrono::duration<double>(Reloj::now() - inicio).count();
  const auto texto = documento->MainText();
  std::printf("%10s %8s %14s %12s\n", "palabras", "marcas", "cambiar (s)", "quedan");
  std::printf("%10d %8zu %14.3f %12zu\n", kPalabras, posiciones.size(), segundos,
              documento->CommentList().size());
  return texto.find("hombre") == std::string::npos && texto.find("Hombre") == std::string::npos ? 0
                                                                                                : 1;
}
