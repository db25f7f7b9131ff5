#include "scan/buscador.h"

#include <gtest/gtest.h>

#include "dictionary/entrada.h"
#include "dictionary/entrada_documento.h"
#include "dictionary/entradas.h"
#include "dictionary/entradas_documentos.h"
#include "dictionary/gestion_bd.h"
#include "memory_document.h"
#include "scan/documentos.h"
#include "word/range.h"

namespace quillora {
namespace {

using memory::MemoryDocument;
using word::Unidad;

class BuscadorTest : public ::testing::Test {
 protected:
  BuscadorTest() { buscador.SetGestion(gestion); }

  std::shared_ptr<MemoryDocument> Documento(const std::string& texto, bool registrar = true) {
    auto documento = MemoryDocument::Create({texto});
    if (registrar) {
      documentos.Add(documento);
      gestion->CargarDocumento(documentos.IdDocumentoStr(documento));
    }
    return documento;
  }

  void Entradas(std::initializer_list<const char*> textos) {
    for (const auto* texto : textos) gestion->GetEntradas()->Add(texto);
  }

  void Omitir(const std::string& entrada, const std::shared_ptr<word::Document>& documento) {
    gestion->GetEntradas()
        ->ItemByText(entrada)
        ->GetDocumentos()
        ->ItemByText(documentos.IdDocumentoStr(documento))
        ->SetOmitir(true);
  }

  static std::shared_ptr<word::Range> Palabra(const MemoryDocument& documento, int numero) {
    return documento.Range()->GetWords()->Item(numero);
  }

  // The texts the processing loop would mark: feeds every word, marks the longest valid match,
  // backtracks after it or to the second word of a failed attempt.
  std::vector<std::string> Coincidencias(const MemoryDocument& documento) {
    std::vector<std::string> marcas;
    auto palabra = documento.Range()->GetWords()->GetFirst();
    while (palabra) {
      buscador.ProcesarPalabra(palabra, documentos);
      auto siguiente = palabra->Next(Unidad::Palabra, 1);
      if (buscador.GetEstado() == Buscador::kTerminado) {
        if (buscador.GetUltimaEntradaValida() && buscador.GetRangoFinal()) {
          marcas.push_back(buscador.GetUltimaEntradaValida()->GetEntrada() + "@" +
                           std::to_string(buscador.GetRangoInicial()->GetStart()));
          siguiente = buscador.GetRangoFinal()->Next(Unidad::Palabra, 1);
        } else if (buscador.GetRangoInicial()) {
          siguiente = buscador.GetRangoInicial()->Next(Unidad::Palabra, 1);
        }
        buscador.Limpiar();
      }
      palabra = siguiente;
    }
    return marcas;
  }

  std::shared_ptr<GestionBD> gestion = std::make_shared<GestionBD>();
  Documentos documentos{[this] { return gestion; }};
  Buscador buscador;
};

using V = std::vector<std::string>;

TEST_F(BuscadorTest, FollowsAnAttemptWordByWord) {
  Entradas({"hombre", "hombre de negocios"});
  auto documento = Documento("el hombre de la casa");

  buscador.ProcesarPalabra(Palabra(*documento, 1), documentos);  // el
  EXPECT_EQ(buscador.GetEstado(), Buscador::kTerminado);
  EXPECT_EQ(buscador.GetRangoInicial(), nullptr);
  EXPECT_EQ(buscador.GetRangoFinal(), nullptr);
  EXPECT_EQ(buscador.GetUltimaEntradaValida(), nullptr);
  buscador.Limpiar();

  auto hombre = Palabra(*documento, 2);
  buscador.ProcesarPalabra(hombre, documentos);
  EXPECT_EQ(buscador.GetEstado(), Buscador::kEnCurso);
  ASSERT_NE(buscador.GetUltimaEntradaValida(), nullptr);
  EXPECT_EQ(buscador.GetUltimaEntradaValida()->GetEntrada(), "hombre");

  buscador.ProcesarPalabra(Palabra(*documento, 3), documentos);  // de
  EXPECT_EQ(buscador.GetEstado(), Buscador::kEnCurso);
  EXPECT_EQ(buscador.GetRangoFinal()->GetText(), "de ");

  buscador.ProcesarPalabra(Palabra(*documento, 4), documentos);  // la
  EXPECT_EQ(buscador.GetEstado(), Buscador::kTerminado);
  EXPECT_EQ(buscador.GetRangoInicial(), hombre);
  EXPECT_EQ(buscador.GetRangoFinal(), hombre);
  EXPECT_EQ(buscador.GetUltimaEntradaValida()->GetEntrada(), "hombre");

  // Without Limpiar the attempt goes on from its words; a word that continues it drops the old
  // result even when the longer entry is skipped.
  auto negocios = Documento("negocios");
  Omitir("hombre de negocios", negocios);
  buscador.ProcesarPalabra(Palabra(*negocios, 1), documentos);
  EXPECT_EQ(buscador.GetEstado(), Buscador::kEnCurso);
  EXPECT_EQ(buscador.GetUltimaEntradaValida(), nullptr);
  EXPECT_EQ(buscador.GetRangoInicial(), hombre);
  buscador.Limpiar();
  EXPECT_EQ(buscador.GetEstado(), Buscador::kInactivo);
  EXPECT_EQ(buscador.GetRangoInicial(), nullptr);
  EXPECT_EQ(buscador.GetGestion(), gestion);

  // A match of several words runs from its first word to its last.
  auto frase = Documento("un hombre de negocios llega");
  for (int palabra = 2; palabra <= 5; ++palabra) {
    buscador.ProcesarPalabra(Palabra(*frase, palabra), documentos);
  }
  EXPECT_EQ(buscador.GetEstado(), Buscador::kTerminado);
  EXPECT_EQ(buscador.GetUltimaEntradaValida()->GetEntrada(), "hombre de negocios");
  EXPECT_EQ(buscador.GetRangoInicial()->GetText(), "hombre ");
  EXPECT_EQ(buscador.GetRangoFinal()->GetText(), "negocios ");
}

TEST_F(BuscadorTest, AnAttemptGoesOnWithTheDictionaryAsItIsAtEachWord) {
  Entradas({"hombre de negocios"});
  auto documento = Documento("hombre de negocios");
  buscador.ProcesarPalabra(Palabra(*documento, 1), documentos);
  // Emptied and filled again, the dictionary no longer has the words read, though another
  // entry now has the same shape.
  gestion->GetEntradas()->Clear();
  Entradas({"mujer de negocios", "hombre público"});
  buscador.ProcesarPalabra(Palabra(*documento, 2), documentos);
  EXPECT_EQ(buscador.GetEstado(), Buscador::kTerminado);
  buscador.Limpiar();

  buscador.ProcesarPalabra(Palabra(*documento, 1), documentos);
  Entradas({"hombre de negocios"});
  gestion->CargarDocumento(documentos.IdDocumentoStr(documento));
  for (int palabra = 2; palabra <= 4; ++palabra) {
    buscador.ProcesarPalabra(Palabra(*documento, palabra), documentos);
  }
  EXPECT_EQ(buscador.GetEstado(), Buscador::kTerminado);
  ASSERT_NE(buscador.GetUltimaEntradaValida(), nullptr);
  EXPECT_EQ(buscador.GetUltimaEntradaValida()->GetEntrada(), "hombre de negocios");
}

TEST_F(BuscadorTest, WithoutADictionaryItIsAnError) {
  const auto documento = Documento("hombre");
  Buscador sinDiccionario;
  EXPECT_THROW(sinDiccionario.ProcesarPalabra(Palabra(*documento, 1), documentos),
               std::logic_error);
}

TEST_F(BuscadorTest, ASkippedEntryNeverReplacesAShorterValidOne) {
  Entradas({"hombre", "hombre de negocios", "derechos", "derechos del hombre"});
  auto documento = Documento("el hombre de la casa");
  Omitir("hombre", documento);
  for (int i = 2; i <= 4; ++i) buscador.ProcesarPalabra(Palabra(*documento, i), documentos);
  EXPECT_EQ(buscador.GetEstado(), Buscador::kTerminado);
  EXPECT_EQ(buscador.GetUltimaEntradaValida(), nullptr);
  EXPECT_EQ(buscador.GetRangoFinal(), nullptr);
  EXPECT_EQ(buscador.GetRangoInicial()->GetText(), "hombre ");
  buscador.Limpiar();

  auto otro = Documento("los derechos del hombre y el hombre de negocios");
  Omitir("derechos del hombre", otro);
  // The attempt falls back to *derechos*; *hombre* is valid again in this document.
  EXPECT_EQ(Coincidencias(*otro), (V{"derechos@4", "hombre@17", "hombre de negocios@29"}));
}

TEST_F(BuscadorTest, MatchesWholeWordsIgnoringCaseButNotAccents) {
  Entradas({"hombre de negocios", "camión", "niños", "trabajadores", "los  dos", "a,b"});
  auto documento = Documento(
      "Hombre De Negocios, camion CAMIÓN niños/as niños / as los  dos a,b \t trabaja\u00ADdores "
      "los\u00A0trabajadores");
  EXPECT_EQ(Coincidencias(*documento), (V{"hombre de negocios@0", "camión@27", "niños@34",
                                          "niños@43", "trabajadores@69", "trabajadores@87"}));
}

TEST_F(BuscadorTest, BlankWordsAndPunctuation) {
  Entradas({"hombre", "hombre público"});
  auto documento = Documento("  hombre, público");
  auto blancos = Palabra(*documento, 1);
  ASSERT_EQ(blancos->GetText(), "  ");
  buscador.ProcesarPalabra(blancos, documentos);
  EXPECT_EQ(buscador.GetEstado(), Buscador::kInactivo);
  buscador.ProcesarPalabra(nullptr, documentos);
  EXPECT_EQ(buscador.GetEstado(), Buscador::kInactivo);

  buscador.ProcesarPalabra(Palabra(*documento, 2), documentos);
  buscador.ProcesarPalabra(blancos, documentos);  // a blank word leaves an attempt as it was
  EXPECT_EQ(buscador.GetEstado(), Buscador::kEnCurso);
  buscador.ProcesarPalabra(Palabra(*documento, 3), documentos);  // the comma ends it
  EXPECT_EQ(buscador.GetEstado(), Buscador::kTerminado);
  EXPECT_EQ(buscador.GetUltimaEntradaValida()->GetEntrada(), "hombre");
  buscador.Limpiar();
  // The paragraph mark ends an attempt too.
  EXPECT_EQ(Coincidencias(*Documento("hombre")), (V{"hombre@0"}));
}

TEST_F(BuscadorTest, SkipsAreKeptPerDocument) {
  Entradas({"señorita"});
  auto a = Documento("la señorita");
  auto b = Documento("la señorita");
  auto sinRegistrar = Documento("la señorita", false);
  Omitir("señorita", a);
  EXPECT_EQ(Coincidencias(*a), V{});
  EXPECT_EQ(Coincidencias(*b), (V{"señorita@3"}));
  EXPECT_EQ(Coincidencias(*sinRegistrar), V{});
}

TEST(PalabraDeRango, TrimsBlanksAndDropsOptionalHyphens) {
  EXPECT_EQ(PalabraDeRango("  casa  "), "casa");
  EXPECT_EQ(PalabraDeRango("\u00A0casa\u00A0 "), "casa");
  EXPECT_EQ(PalabraDeRango("\tcasa\r"), "\tcasa\r");
  EXPECT_EQ(PalabraDeRango("tra\u00ADba\u00ADja\u00AD"), "trabaja");
  EXPECT_EQ(PalabraDeRango("\u00AD"), "");
  EXPECT_EQ(PalabraDeRango(" "), "");
}

}  // namespace
}  // namespace quillora
