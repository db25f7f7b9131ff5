// Real-world .docx files from the shared corpus: every producer's quirks must survive opening,
// marking and unmarking, and every broken file must fail cleanly.
#include <gtest/gtest.h>

#include <set>

#include "documento_docx.h"
#include "docx/paquete_prueba.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "word/comment.h"
#include "word/range.h"

namespace quillora::docx {
namespace {

using prueba::CarpetaTemporal;
namespace fs = std::filesystem;

const fs::path kCorpus = QUILLORA_CORPUS_DOCX;

std::vector<std::string> Archivos(const std::string& carpeta) {
  std::vector<std::string> archivos;
  if (!fs::is_directory(kCorpus / carpeta)) return archivos;
  for (const auto& entrada : fs::directory_iterator(kCorpus / carpeta)) {
    if (entrada.path().extension() == ".docx") {
      archivos.push_back((fs::path(carpeta) / entrada.path().filename()).string());
    }
  }
  std::sort(archivos.begin(), archivos.end());
  return archivos;
}

std::vector<std::string> Validos() {
  auto archivos = Archivos(".");
  for (auto& archivo : Archivos("es")) archivos.push_back(archivo);
  return archivos;
}

struct Comentario {
  std::string autor, iniciales, texto;
  std::int32_t inicio, fin;
  bool operator==(const Comentario&) const = default;
};

std::vector<Comentario> Comentarios(const memory::MemoryDocument& documento) {
  std::vector<Comentario> comentarios;
  for (const auto& c : documento.CommentList()) {
    comentarios.push_back({c->author, c->initials, c->Text(), c->Scope().start, c->Scope().end});
  }
  return comentarios;
}

bool EsParteDeComentarios(const std::string& nombre) {
  return nombre.find("comments") != std::string::npos || nombre.ends_with(".rels") ||
         nombre == "[Content_Types].xml";
}

class CorpusValido : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    if (!fs::is_directory(kCorpus)) GTEST_SKIP() << "no hay corpus en " << kCorpus;
  }
};

TEST_P(CorpusValido, AbrirYGuardarSinCambiosDejaCadaByte) {
  const fs::path original = kCorpus / GetParam();
  auto documento = DocumentoDocx::Abrir(original);
  const auto bytes = documento.GuardarBytes();
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), prueba::LeerBytes(original));
}

// What the processing run does to a document: a mark over a word of each paragraph, later
// removed; other authors' comments, the text and its formatting come back as they were.
TEST_P(CorpusValido, MarcarYDesmarcarDevuelveElDocumento) {
  CarpetaTemporal carpeta;
  const fs::path original = kCorpus / GetParam();
  auto documento = DocumentoDocx::Abrir(original);
  const auto& memoria = *documento.Documento();
  const std::string texto = memoria.MainText();
  const auto comentarios = Comentarios(memoria);

  auto palabras = memoria.Range()->GetWords();
  std::int32_t marcas = 0;
  std::int32_t parrafoAnterior = -1;
  for (std::int32_t i = 1; i <= palabras->Count(); ++i) {
    auto palabra = palabras->Item(i);
    const std::string t = palabra->GetText();
    if (t.empty() || !std::isalnum(static_cast<unsigned char>(t[0]))) continue;
    const auto parrafo = static_cast<std::int32_t>(
        std::count(texto.begin(), texto.begin() + palabra->GetStart(), '\r'));
    if (parrafo == parrafoAnterior) continue;
    parrafoAnterior = parrafo;
    auto marca = memoria.GetComments()->Add(*palabra, "alternativa uno\r\nalternativa dos");
    marca->SetAuthor("Quillora");
    marca->SetInitial("QKV");
    ++marcas;
  }
  documento.Guardar(carpeta / "marcado.docx");

  auto marcado = DocumentoDocx::Abrir(carpeta / "marcado.docx");
  EXPECT_EQ(marcado.Documento()->MainText(), texto);
  EXPECT_EQ(static_cast<std::int32_t>(marcado.Documento()->CommentList().size()),
            static_cast<std::int32_t>(comentarios.size()) + marcas);
  const auto antes = prueba::PartesDe(original);
  const auto despues = prueba::PartesDe(carpeta / "marcado.docx");
  const std::string principal = [&] {
    for (const auto& [nombre, contenido] : antes) {
      if (contenido != despues.at(nombre) && !EsParteDeComentarios(nombre)) return nombre;
    }
    return std::string();
  }();
  for (const auto& [nombre, contenido] : antes) {
    if (nombre != principal && !EsParteDeComentarios(nombre)) {
      EXPECT_EQ(despues.at(nombre), contenido) << nombre;
    }
  }
  if (!principal.empty()) {
    EXPECT_EQ(prueba::Formato(despues.at(principal)), prueba::Formato(antes.at(principal)));
  }

  auto lista = marcado.Documento()->GetComments();
  for (std::int32_t i = 1; i <= lista->Count();) {
    if (lista->Item(i)->GetInitial() == "QKV") {
      lista->Item(i)->Delete();
    } else {
      ++i;
    }
  }
  marcado.Guardar(carpeta / "desmarcado.docx");
  auto desmarcado = DocumentoDocx::Abrir(carpeta / "desmarcado.docx");
  EXPECT_EQ(desmarcado.Documento()->MainText(), texto);
  EXPECT_EQ(Comentarios(*desmarcado.Documento()), comentarios);
  const auto final = prueba::PartesDe(carpeta / "desmarcado.docx");
  for (const auto& [nombre, contenido] : antes) {
    if (nombre != principal && !EsParteDeComentarios(nombre)) {
      EXPECT_EQ(final.at(nombre), contenido) << nombre;
    }
  }
  if (!principal.empty()) {
    EXPECT_EQ(prueba::Formato(final.at(principal)), prueba::Formato(antes.at(principal)));
  }
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusValido, ::testing::ValuesIn(Validos()),
                         [](const auto& info) {
                           std::string nombre = info.param;
                           for (auto& c : nombre) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return nombre;
                         });

class CorpusRoto : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    if (!fs::is_directory(kCorpus)) GTEST_SKIP() << "no hay corpus en " << kCorpus;
  }
};

// A broken file is refused with a clear message, or (when only its schema is wrong) goes
// through a round trip; nothing is written either way unless the save succeeds.
TEST_P(CorpusRoto, FallaLimpiamenteOGuardaBien) {
  CarpetaTemporal carpeta;
  const fs::path original = kCorpus / GetParam();
  const std::string bytes = prueba::LeerBytes(original);
  try {
    auto documento = DocumentoDocx::Abrir(original);
    const std::string texto = documento.Documento()->MainText();
    auto rango = documento.Documento()->Range(0, 0);
    documento.Documento()->GetComments()->Add(*rango, "nota")->SetInitial("QKV");
    documento.Guardar(carpeta / "salida.docx");
    EXPECT_EQ(DocumentoDocx::Abrir(carpeta / "salida.docx").Documento()->MainText(), texto);
  } catch (const ErrorDocx& error) {
    EXPECT_FALSE(std::string(error.what()).empty());
    EXPECT_TRUE(carpeta.Archivos().empty());
  }
  EXPECT_EQ(prueba::LeerBytes(original), bytes);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusRoto, ::testing::ValuesIn(Archivos("broken")),
                         [](const auto& info) {
                           std::string nombre = info.param;
                           for (auto& c : nombre) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return nombre;
                         });

}  // namespace
}  // namespace quillora::docx
