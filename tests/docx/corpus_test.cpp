// Real-world .docx files from the shared corpus: every producer's quirks must survive opening,
// marking and unmarking, and every broken file must fail cleanly.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "dictionary/entrada.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "dictionary/sustitutos.h"
#include "documento_docx.h"
#include "docx/libreoffice_prueba.h"
#include "docx/marcas_prueba.h"
#include "docx/paquete_prueba.h"
#include "memory_application.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "scan/documentos.h"
#include "scan/frm_procesar.h"
#include "servicios_guionizados.h"
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

std::string NombrePrueba(const std::string& archivo) {
  std::string nombre = archivo;
  for (auto& c : nombre) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return nombre;
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

class ConCorpus : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    if (!fs::is_directory(kCorpus)) GTEST_SKIP() << "no hay corpus en " << kCorpus;
  }
};

using CorpusValido = ConCorpus;

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
    prueba::Marcar(memoria, *palabra, "alternativa uno\r\nalternativa dos");
    ++marcas;
  }
  documento.Guardar(carpeta / "marcado.docx");

  // Marks that no place inside a content control lets every reader read whole are left out,
  // in the file and in the document alike.
  auto marcado = DocumentoDocx::Abrir(carpeta / "marcado.docx");
  EXPECT_EQ(marcado.Documento()->MainText(), texto);
  EXPECT_EQ(marcado.Documento()->CommentList().size(),
            comentarios.size() + static_cast<std::size_t>(marcas) - documento.NoAnclados());
  EXPECT_EQ(marcado.Documento()->CommentList().size(), memoria.CommentList().size());
  const auto antes = prueba::PartesDe(original);
  const auto despues = prueba::PartesDe(carpeta / "marcado.docx");
  const std::string principal = [&] {
    for (const auto& [nombre, contenido] : antes) {
      if (contenido != despues.at(nombre) && !EsParteDeComentarios(nombre)) return nombre;
    }
    return std::string();
  }();
  // Every part but the comment parts as it was, the main one in its text's formatting.
  const auto comoAntes = [&](const std::map<std::string, std::string>& partes) {
    for (const auto& [nombre, contenido] : antes) {
      if (nombre != principal && !EsParteDeComentarios(nombre)) {
        EXPECT_EQ(partes.at(nombre), contenido) << nombre;
      }
    }
    if (!principal.empty()) {
      EXPECT_EQ(prueba::Formato(partes.at(principal)), prueba::Formato(antes.at(principal)));
    }
  };
  comoAntes(despues);

  prueba::BorrarMarcas(*marcado.Documento());
  marcado.Guardar(carpeta / "desmarcado.docx");
  auto desmarcado = DocumentoDocx::Abrir(carpeta / "desmarcado.docx");
  EXPECT_EQ(desmarcado.Documento()->MainText(), texto);
  EXPECT_EQ(Comentarios(*desmarcado.Documento()), comentarios);
  comoAntes(prueba::PartesDe(carpeta / "desmarcado.docx"));
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusValido, ::testing::ValuesIn(Validos()),
                         [](const auto& info) { return NombrePrueba(info.param); });
// A clone without the corpus beside it has no cases, and that is no failure.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CorpusValido);

using CorpusRoto = ConCorpus;

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
                         [](const auto& info) { return NombrePrueba(info.param); });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CorpusRoto);

// The processing run over a document with a dictionary of words every file has; answers the
// number of marks in the saved file.
std::size_t MarcarConPalabrasComunes(const fs::path& entrada, const fs::path& salida) {
  auto docx = DocumentoDocx::Abrir(entrada);
  auto word = std::make_shared<memory::MemoryApplication>();
  auto gestion = std::make_shared<GestionBD>();
  // Common words, but not the commonest: LibreOffice lays every comment out, and thousands of
  // them in one file take minutes.
  for (const char* palabra :
       {"this",    "from",  "here",   "name",    "date",   "test",  "text",  "content",
        "comment", "word",  "page",   "table",   "cell",   "item",  "hello", "paragraph",
        "note",    "class", "office", "section", "number", "first", "last",  "1",
        "de",      "la",    "el",     "los",     "y"}) {
    auto entrada = gestion->GetEntradas()->Add(palabra);
    entrada->GetSustitutos()->Add("alternativa uno");
    entrada->GetSustitutos()->Add("alternativa dos");
  }
  auto documentos = std::make_shared<Documentos>([gestion] { return gestion; });
  word->OpenDocument(docx.Documento());
  documentos->Add(docx.Documento());
  gestion->CargarDocumento(documentos->IdDocumentoStr(docx.Documento()));
  quillora::prueba::ServiciosGuionizados servicios;
  frmProcesar ventana(servicios);
  ventana.SetWrd(word);
  ventana.SetGestion(gestion);
  ventana.SetDocumentos(documentos);
  servicios.MostrarModal(ventana);
  docx.Guardar(salida);
  std::size_t marcas = 0;
  for (const auto& comentario : docx.Documento()->CommentList()) {
    if (comentario->initials == kIniciales) ++marcas;
  }
  return marcas;
}

// Another word processor reads every marked corpus file as the original: the same body text,
// and each mark as a comment of its own with its alternatives. The files go through
// LibreOffice in one run, originals and marked files together.
TEST(CorpusLibreOffice, CadaArchivoMarcadoSeLeeConElTextoOriginal) {
  if (!fs::is_directory(kCorpus)) GTEST_SKIP() << "no hay corpus en " << kCorpus;
  if (!prueba::HayLibreOffice()) GTEST_SKIP() << "no está soffice";
  CarpetaTemporal carpeta;
  std::map<std::string, std::vector<prueba::Anotacion>> marcas;
  const auto validos = Validos();
  for (const auto& archivo : validos) {
    const std::string nombre = NombrePrueba(archivo);
    fs::copy_file(kCorpus / archivo, carpeta / (nombre + ".docx"));
    const auto cuantas =
        MarcarConPalabrasComunes(kCorpus / archivo, carpeta / (nombre + "-marcado.docx"));
    // A file without marks is written back as it was read: nothing to compare.
    if (cuantas > 0) marcas[nombre].assign(cuantas, {kAutor, "alternativa uno\nalternativa dos"});
  }
  EXPECT_GE(marcas.size(), validos.size() * 3 / 4);
  prueba::EsperarMarcadosComoOriginales(carpeta.Ruta(), marcas);
}

}  // namespace
}  // namespace quillora::docx
