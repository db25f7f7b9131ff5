// The whole processing run on real Spanish documents: Word with the add-in, which loads the
// sample dictionary from its SQLite database through the data source "Quillora"; each .docx
// marked by the add-in's first button and saved, marked again with the same result, and the
// marks read by LibreOffice.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <pugixml.hpp>

#include "db/motores_prueba.h"
#include "dictionary/diccionario_muestra.h"
#include "dictionary/entradas.h"
#include "dictionary/esquema_bd.h"
#include "dictionary/gestion_bd.h"
#include "documento_docx.h"
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

// Word with the add-in marks the file, which is saved; answers the texts the marks cover.
std::vector<std::string> Marcar(const fs::path& entrada, const fs::path& salida) {
  auto docx = docx::DocumentoDocx::Abrir(entrada);
  const auto documento = docx.Documento();
  prueba::ServiciosGuionizados servicios;
  posix::RegistroArchivo registro("/nonexistent/quillora.reg");
  posix::ShellXdg shell("true");
  posix::ProcesosProc procesos;
  SesionWord sesion(servicios, {registro, shell, procesos});
  sesion.Iniciar();
  EXPECT_EQ(sesion.Complemento().GetGestion()->GetEntradas()->Count(), 571);
  sesion.Abrir(documento);
  sesion.Pulsar(BotonQuillora::Procesar);
  EXPECT_TRUE(servicios.mensajes.empty());
  docx.Guardar(salida);
  std::vector<std::string> marcas;
  for (const auto& comentario : documento->CommentList()) {
    if (comentario->initials != kIniciales) continue;
    marcas.push_back(
        documento->Range(comentario->Scope().start, comentario->Scope().end)->GetText());
  }
  return marcas;
}

// The annotations of the OpenDocument file LibreOffice makes of the .docx, by author.
std::map<std::string, int> AnotacionesSegunLibreOffice(const CarpetaTemporal& carpeta,
                                                       const fs::path& docx) {
  const std::string orden = "timeout 300 soffice --headless -env:UserInstallation=file://" +
                            (carpeta / "perfil").string() + " --convert-to odt --outdir " +
                            carpeta.Ruta().string() + " " + docx.string() + " > /dev/null 2>&1";
  EXPECT_EQ(std::system(orden.c_str()), 0);
  std::string contenido;
  for (const auto& [nombre, datos] :
       docx::prueba::LeerZip(carpeta / (docx.stem().string() + ".odt"))) {
    if (nombre == "content.xml") contenido = datos;
  }
  pugi::xml_document odt;
  EXPECT_TRUE(odt.load_buffer(contenido.data(), contenido.size()));
  std::map<std::string, int> porAutor;
  for (const auto& anotacion : odt.select_nodes("//office:annotation")) {
    ++porAutor[anotacion.node().child("dc:creator").text().get()];
  }
  return porAutor;
}

TEST(ProcesarDocx, MarksTheSpanishCorpusAndLibreOfficeReadsTheMarks) {
  if (!fs::is_directory(kEspanol)) GTEST_SKIP() << "no hay corpus en " << kEspanol;
  const bool conLibreOffice = std::system("command -v soffice > /dev/null 2>&1") == 0;
  CarpetaTemporal carpeta;
  // The data source "Quillora" on a database of the test's own with the sample dictionary.
  db::prueba::BaseDatosPrueba bd(db::Motor::SQLite);
  esquema_bd::CrearEsquema(*bd.GetConexion());
  DiccionarioMuestra::Incorporado().Guardar(bd.GetConexion());
  const prueba::OrigenQuillora origen(bd);

  int archivos = 0;
  for (const auto& archivo : fs::directory_iterator(kEspanol)) {
    if (archivo.path().extension() != ".docx") continue;
    ++archivos;
    SCOPED_TRACE(archivo.path().filename().string());
    const auto marcado = carpeta / archivo.path().filename().string();
    const auto marcas = Marcar(archivo.path(), marcado);
    EXPECT_GE(marcas.size(), 10u);
    for (const auto& texto : marcas) {
      EXPECT_FALSE(texto.empty() || texto.back() == ' ') << "«" << texto << "»";
    }
    // Marking the marked file again replaces the marks with the same ones.
    EXPECT_EQ(Marcar(marcado, carpeta / "otra-vez.docx"), marcas);
    if (conLibreOffice) {
      const auto anotaciones = AnotacionesSegunLibreOffice(carpeta, marcado);
      EXPECT_EQ(anotaciones.count("Quillora") ? anotaciones.at("Quillora") : 0,
                static_cast<int>(marcas.size()));
    }
  }
  EXPECT_EQ(archivos, 6);
}

}  // namespace
}  // namespace quillora
