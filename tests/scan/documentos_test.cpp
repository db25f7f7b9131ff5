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

TEST(Documentos, RegistersEachDocumentOnceUnderItsKey) {
  Documentos documentos;
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
  Documentos documentos;
  std::set<std::string> claves;
  for (int i = 0; i < 50; ++i) {
    auto documento = MemoryDocument::Create({"texto"});
    EXPECT_TRUE(claves.insert(documentos.IdDocumentoStr(documento)).second);
  }
}

TEST(Documentos, RecordsLeaveWithTheDocument) {
  auto gestion = std::make_shared<GestionBD>();
  auto entrada = gestion->GetEntradas()->Add("hombre");
  Documentos documentos;
  documentos.SetGestion(gestion);
  auto a = MemoryDocument::Create({"a"});
  auto b = MemoryDocument::Create({"b"});
  for (const auto& documento : {a, b}) {
    documentos.Add(documento);
    gestion->CargarDocumento(documentos.IdDocumentoStr(documento));
  }
  ASSERT_EQ(entrada->GetDocumentos()->Count(), 2);
  documentos.Remove(a);
  EXPECT_EQ(entrada->GetDocumentos()->ItemByText(documentos.IdDocumentoStr(a)), nullptr);
  EXPECT_NE(entrada->GetDocumentos()->ItemByText(documentos.IdDocumentoStr(b)), nullptr);
  documentos.Clear();
  EXPECT_EQ(entrada->GetDocumentos()->Count(), 0);
}

}  // namespace
}  // namespace quillora
