#include "scan/documentos.h"

#include <gtest/gtest.h>

#include <set>

#include "dictionary/entrada.h"
#include "dictionary/entradas.h"
#include "dictionary/entradas_documentos.h"
#include "dictionary/error_coleccion.h"
#include "dictionary/gestion_bd.h"
#include "memory_document.h"

namespace quillora {
namespace {

using memory::MemoryDocument;

// A registry over a dictionary that is never reloaded.
Documentos Registro(std::shared_ptr<GestionBD> gestion = std::make_shared<GestionBD>()) {
  return Documentos([gestion] { return gestion; });
}

TEST(Documentos, RegistersEachDocumentOnceUnderItsKey) {
  auto documentos = Registro();
  auto a = MemoryDocument::Create({"a"});
  auto b = MemoryDocument::Create({"b"});
  const auto numeroA = documentos.Add(a);
  EXPECT_EQ(documentos.IdDocumentoStr(a), "D" + std::to_string(numeroA));
  EXPECT_EQ(documentos.IdDocumento(a), numeroA);
  EXPECT_TRUE(documentos.Contains(a));
  EXPECT_FALSE(documentos.Contains(b));
  EXPECT_THROW(documentos.Add(a), ErrorColeccion);
  documentos.Add(b);
  EXPECT_EQ(documentos.Count(), 2);
  EXPECT_EQ(documentos.Item(2), b);
  EXPECT_EQ(documentos.ItemByText(" " + documentos.IdDocumentoStr(b) + " "), b);
  EXPECT_EQ(documentos.ItemByText("d" + std::to_string(numeroA)), a);
  EXPECT_EQ(documentos.ItemByText("D0"), nullptr);
  EXPECT_EQ(documentos.NewEnum(), (std::vector<std::shared_ptr<word::Document>>{a, b}));
  EXPECT_THROW(documentos.Item(3), ErrorColeccion);
  EXPECT_FALSE(documentos.Contains(nullptr));

  documentos.Remove(a);
  EXPECT_FALSE(documentos.Contains(a));
  EXPECT_THROW(documentos.Remove(a), ErrorColeccion);
  documentos.Clear();
  EXPECT_EQ(documentos.Count(), 0);
}

TEST(Documentos, AClosedDocumentsKeyIsNeverHandedOn) {
  auto documentos = Registro();
  std::set<std::string> claves;
  for (int i = 0; i < 50; ++i) {
    auto documento = MemoryDocument::Create({"texto"});
    EXPECT_TRUE(claves.insert(documentos.IdDocumentoStr(documento)).second);
  }
}

TEST(Documentos, RecordsLeaveWithTheDocumentFromTheDictionaryInUse) {
  // The dictionary is replaced by a reload while the documents stay registered.
  auto gestion = std::make_shared<GestionBD>();
  Documentos documentos([&gestion] { return gestion; });
  auto a = MemoryDocument::Create({"a"});
  auto b = MemoryDocument::Create({"b"});
  for (const auto& documento : {a, b}) documentos.Add(documento);
  const auto anterior = gestion;
  gestion = std::make_shared<GestionBD>();
  auto entrada = gestion->GetEntradas()->Add("hombre");
  for (const auto& documento : {a, b}) {
    gestion->CargarDocumento(documentos.IdDocumentoStr(documento));
  }
  ASSERT_EQ(entrada->GetDocumentos()->Count(), 2);
  documentos.Remove(a);
  EXPECT_EQ(entrada->GetDocumentos()->ItemByText(documentos.IdDocumentoStr(a)), nullptr);
  EXPECT_NE(entrada->GetDocumentos()->ItemByText(documentos.IdDocumentoStr(b)), nullptr);

  // Without a dictionary the records cannot go: an error, and the document stays registered.
  gestion.reset();
  EXPECT_THROW(documentos.Remove(b), ErrorColeccion);
  EXPECT_TRUE(documentos.Contains(b));
  EXPECT_THROW(documentos.Clear(), ErrorColeccion);
  gestion = anterior;
  documentos.Clear();
  EXPECT_EQ(documentos.Count(), 0);
  Registro(nullptr).Clear();  // nothing registered: nothing to forget
}

}  // namespace
}  // namespace quillora
