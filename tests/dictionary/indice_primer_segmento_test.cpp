#include "dictionary/indice_primer_segmento.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "common/texto_unicode.h"
#include "dictionary/clave_texto.h"
#include "dictionary/entradas.h"

namespace quillora {
namespace {

// Few letters and many blanks, so texts share words, prefixes and keys often.
std::string TextoAlAzar(std::mt19937& azar, int maximo) {
  static const std::vector<std::string> kPiezas{"a", "A", "b", "á", "Á", "ñ", "Ñ", " ", " ", " "};
  std::string texto;
  const auto piezas = azar() % static_cast<unsigned>(maximo + 1);
  for (unsigned i = 0; i < piezas; ++i) texto += kPiezas[azar() % kPiezas.size()];
  return texto;
}

// A query made from a stored text: the text up to one of its blanks or whole, maybe with outer
// blanks added.
std::string ConsultaDeEntrada(std::mt19937& azar, const std::string& texto) {
  std::vector<std::size_t> cortes{texto.size()};
  for (auto blanco = texto.find(' '); blanco != std::string::npos;
       blanco = texto.find(' ', blanco + 1)) {
    cortes.push_back(blanco);
  }
  std::string consulta = texto.substr(0, cortes[azar() % cortes.size()]);
  if (azar() % 2 == 0) consulta = " " + consulta + "  ";
  return consulta;
}

// The prefix search done the plain way: every entry, in order, against the query's key.
std::vector<std::shared_ptr<Entrada>> Recorrido(const Entradas& entradas,
                                                const std::string& texto) {
  const std::string clave = ClaveTexto(texto);
  std::vector<std::shared_ptr<Entrada>> resultado;
  for (const auto& entrada : entradas.NewEnum()) {
    const std::string mayusculas = texto::Mayusculas(entrada->GetEntrada());
    if (mayusculas == clave || mayusculas.rfind(clave + " ", 0) == 0) {
      resultado.push_back(entrada);
    }
  }
  return resultado;
}

TEST(IndicePrimerSegmento, ItemsByTextDaLoMismoQueRecorrerTodasLasEntradas) {
  std::mt19937 azar(7);
  int conResultado = 0;
  for (int diccionario = 0; diccionario < 200; ++diccionario) {
    Entradas entradas;
    const auto total = 1 + azar() % 40;
    for (unsigned i = 0; i < total; ++i) entradas.Add(TextoAlAzar(azar, 8));
    // Removals, then additions that take the places the removals freed: the indexes must
    // follow both.
    for (auto quitar = azar() % (total / 2 + 1); quitar > 0 && entradas.Count() > 0; --quitar) {
      entradas.Remove(static_cast<std::int32_t>(1 + azar() % entradas.Count()));
    }
    for (auto anadir = azar() % 4; anadir > 0; --anadir) entradas.Add(TextoAlAzar(azar, 8));
    for (int consulta = 0; consulta < 50; ++consulta) {
      const std::string texto =
          consulta % 2 == 0 || entradas.Count() == 0
              ? TextoAlAzar(azar, 5)
              : ConsultaDeEntrada(
                    azar, entradas.Item(static_cast<std::int32_t>(1 + azar() % entradas.Count()))
                              ->GetEntrada());
      const auto esperado = Recorrido(entradas, texto);
      ASSERT_EQ(entradas.ItemsByText(texto).NewEnum(), esperado) << "«" << texto << "»";
      const std::string clave = ClaveTexto(texto);
      ASSERT_EQ(entradas.HayQueEmpiecenPorClave(clave), !esperado.empty()) << "«" << texto << "»";
      // A matcher's walk, one word of the key at a time, agrees, and ends on the entry under
      // the key.
      const auto& prefijos = entradas.GetPrefijos();
      auto nodo = IndicePrefijos::kRaiz;
      for (std::size_t inicio = 0; nodo != IndicePrefijos::kNinguno && inicio <= clave.size();) {
        const auto fin = std::min(clave.find(' ', inicio), clave.size());
        nodo = prefijos.Avanzar(nodo, std::string_view(clave).substr(inicio, fin - inicio));
        inicio = fin + 1;
      }
      ASSERT_EQ(nodo != IndicePrefijos::kNinguno, !esperado.empty()) << "«" << texto << "»";
      if (nodo != IndicePrefijos::kNinguno) {
        ASSERT_EQ(prefijos.EntradaEn(nodo), entradas.ItemByText(texto).get())
            << "«" << texto << "»";
      }
      if (!esperado.empty()) ++conResultado;
    }
  }
  // The queries must exercise matches, not only misses.
  EXPECT_GT(conResultado, 2000);
}

}  // namespace
}  // namespace quillora
