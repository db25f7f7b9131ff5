// The whole processing run on real Spanish documents: Word with the add-in, which loads the
// sample dictionary from its SQLite database through the data source "Quillora"; each .docx
// marked by the add-in's first button and saved, marked again with the same result, and read by
// LibreOffice with its text and every comment.
#include <gtest/gtest.h>

#include <map>

#include "db/motores_prueba.h"
#include "dictionary/diccionario_muestra.h"
#include "dictionary/entradas.h"
#include "dictionary/esquema_bd.h"
#include "dictionary/gestion_bd.h"
#include "documento_docx.h"
#include "docx/libreoffice_prueba.h"
#include "docx/paquete_prueba.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "origen_quillora_prueba.h"
#include "procesos_proc.h"
#include "registro_archivo.h"
#include "scan/frm_procesar.h"
#include "servicios_guionizados.h"
#include "sesion_word.h"
#include "shell_xdg.h"
#include "word/range.h"

namespace quillora {
namespace {

namespace fs = std::filesystem;
using docx::prueba::CarpetaTemporal;

const fs::path kEspanol = fs::path(QUILLORA_CORPUS_DOCX) / "es";

struct Marca {
  std::string texto;         // what it covers
  std::string alternativas;  // its lines joined by '\n', as another word processor reads them
  bool operator==(const Marca&) const = default;
};

// Word with the add-in marks the file, which is saved; answers the marks.
std::vector<Marca> Marcar(const fs::path& entrada, const fs::path& salida) {
  auto docx = docx::DocumentoDocx::Abrir(entrada);
  const auto documento = docx.Documento();
  prueba::ServiciosGuionizados servicios;
  posix::RegistroArchivo registro("/nonexistent/quillora.reg");
  posix::ShellXdg shell("true");
  posix::ProcesosProc procesos;
  SesionWord sesion(servicios, {registro, shell, procesos});
  sesion.Iniciar();
  EXPECT_EQ(sesion.Complemento().GetGestion()->GetEntradas()->Count(),
            static_cast<std::int32_t>(DiccionarioMuestra::Incorporado().entradas.size()));
  sesion.Abrir(documento);
  sesion.Pulsar(BotonQuillora::Procesar);
  EXPECT_TRUE(servicios.mensajes.empty());
  docx.Guardar(salida);
  std::vector<Marca> marcas;
  for (const auto& comentario : documento->CommentList()) {
    if (comentario->initials != kIniciales) continue;
    std::string alternativas = comentario->Text();
    for (auto i = alternativas.find("\r\n"); i != std::string::npos; i = alternativas.find("\r\n"))
      alternativas.replace(i, 2, "\n");
    marcas.push_back(
        {documento->Range(comentario->Scope().start, comentario->Scope().end)->GetText(),
         alternativas});
  }
  return marcas;
}

TEST(ProcesarDocx, MarksTheSpanishCorpusAndLibreOfficeReadsTheMarks) {
  if (!fs::is_directory(kEspanol)) GTEST_SKIP() << "no hay corpus en " << kEspanol;
  CarpetaTemporal carpeta;
  // The data source "Quillora" on a database of the test's own with the sample dictionary.
  db::prueba::BaseDatosPrueba bd(db::Motor::SQLite);
  esquema_bd::CrearEsquema(*bd.GetConexion());
  DiccionarioMuestra::Incorporado().Guardar(bd.GetConexion());
  const prueba::OrigenQuillora origen(bd);

  std::map<std::string, std::vector<docx::prueba::Anotacion>> marcados;
  for (const auto& archivo : fs::directory_iterator(kEspanol)) {
    if (archivo.path().extension() != ".docx") continue;
    const std::string nombre = archivo.path().stem().string();
    SCOPED_TRACE(nombre);
    const auto marcado = carpeta / (nombre + "-marcado.docx");
    const auto marcas = Marcar(archivo.path(), marcado);
    EXPECT_GE(marcas.size(), 10u);
    for (const auto& marca : marcas) {
      EXPECT_FALSE(marca.texto.empty() || marca.texto.back() == ' ') << "«" << marca.texto << "»";
      marcados[nombre].push_back({kAutor, marca.alternativas});
    }
    // Marking the marked file again replaces the marks with the same ones.
    EXPECT_EQ(Marcar(marcado, carpeta / "otra-vez.docx"), marcas);
    fs::copy_file(archivo.path(), carpeta / (nombre + ".docx"));
  }
  EXPECT_EQ(marcados.size(), 6u);

  // LibreOffice reads each marked file with the original's text, its comments and every mark
  // with its alternatives.
  if (docx::prueba::HayLibreOffice())
    docx::prueba::EsperarMarcadosComoOriginales(carpeta.Ruta(), marcados);
}

}  // namespace
}  // namespace quillora
