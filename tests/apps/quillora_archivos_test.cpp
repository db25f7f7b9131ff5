// The quillora command and the files it is given: the result is always a regular file written
// where the user meant it; what cannot be read or written safely is refused with nothing written.
#include <sys/stat.h>

#include "quillora_prueba.h"

namespace quillora {
namespace {

using prueba::QuilloraTest;
namespace fs = std::filesystem;
using docx::prueba::LeerBytes;

std::size_t CuantasMarcas(const std::string& json) { return nlohmann::json::parse(json).size(); }

TEST_F(QuilloraTest, WritesThroughASymbolicLinkToTheDocumentItNames) {
  fs::create_directory(carpeta_ / "dentro");
  fs::copy_file(ejemplo_, carpeta_ / "dentro" / "carta.docx");
  ::chmod((carpeta_ / "dentro" / "carta.docx").c_str(), 0640);
  fs::create_symlink("dentro/carta.docx", carpeta_ / "enlace.docx");

  // In place through the link: the document it names is marked, and the link stays.
  auto r = Quillora({"procesar", (carpeta_ / "enlace.docx").string()});
  ASSERT_EQ(r.estado, 0) << r.errores;
  EXPECT_TRUE(fs::is_symlink(carpeta_ / "enlace.docx"));
  EXPECT_EQ(
      CuantasMarcas(
          Quillora({"marcas", "--json", (carpeta_ / "dentro" / "carta.docx").string()}).salida),
      13u);
  EXPECT_EQ(fs::status(carpeta_ / "dentro" / "carta.docx").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  // Hiding through the link removes the marks from that same document.
  r = Quillora({"ocultar", (carpeta_ / "enlace.docx").string()});
  ASSERT_EQ(r.estado, 0) << r.errores;
  EXPECT_TRUE(fs::is_symlink(carpeta_ / "enlace.docx"));
  EXPECT_EQ(Quillora({"marcas", "--json", (carpeta_ / "dentro" / "carta.docx").string()}).salida,
            "[]\n");
}

TEST_F(QuilloraTest, RefusesToWriteOverWhatIsNotAWritableRegularFile) {
  fs::copy_file(ejemplo_, carpeta_ / "solo-lectura.docx");
  ::chmod((carpeta_ / "solo-lectura.docx").c_str(), 0444);
  fs::create_directory(carpeta_ / "carpeta.docx");
  ASSERT_EQ(::mkfifo((carpeta_ / "tuberia.docx").c_str(), 0644), 0);
  fs::create_symlink("/dev/null", carpeta_ / "nulo.docx");
  ASSERT_EQ(Quillora({"diccionario", "info"}).estado, 0);  // the dictionary is in place
  const auto antes = carpeta_.Archivos();

  for (const auto& [nombre, razon] :
       std::vector<std::pair<std::string, std::string>>{{"solo-lectura.docx", "es de solo lectura"},
                                                        {"carpeta.docx", "es una carpeta"},
                                                        {"tuberia.docx", "es una tubería (FIFO)"},
                                                        {"nulo.docx", "es un dispositivo"}}) {
    const auto salida = (carpeta_ / nombre).string();
    for (const auto& orden : {"procesar", "ocultar", "revisar", "sesion"}) {
      const auto r = Quillora({orden, ejemplo_.string(), "-o", salida});
      EXPECT_EQ(r.estado, 1) << orden << ' ' << nombre << ": " << r.errores;
      EXPECT_TRUE(
          r.errores.starts_with("quillora: No se puede guardar el documento en «" + salida + "»"))
          << r.errores;
      EXPECT_NE(r.errores.find(razon), std::string::npos) << r.errores;
      EXPECT_EQ(carpeta_.Archivos(), antes) << orden << ' ' << nombre;
    }
  }
  // Refused before the work starts: the dictionary is not even looked for.
  std::ofstream(carpeta_ / "odbc.ini") << "[Quillora]\nDriver=/no/existe/controlador.so\n";
  const auto r =
      Quillora({"procesar", ejemplo_.string(), "-o", (carpeta_ / "carpeta.docx").string()},
               {"ODBCINI=" + (carpeta_ / "odbc.ini").string()});
  EXPECT_EQ(r.estado, 1);
  EXPECT_EQ(r.errores, "quillora: No se puede guardar el documento en «" +
                           (carpeta_ / "carpeta.docx").string() + "»: es una carpeta\n");
  fs::remove(carpeta_ / "odbc.ini");
  // The read-only document itself is not worked on in place either.
  EXPECT_EQ(Quillora({"procesar", (carpeta_ / "solo-lectura.docx").string()}).estado, 1);
  EXPECT_TRUE(LeerBytes(carpeta_ / "solo-lectura.docx") == LeerBytes(ejemplo_));
  EXPECT_TRUE(fs::is_fifo(carpeta_ / "tuberia.docx"));
  EXPECT_TRUE(fs::is_symlink(carpeta_ / "nulo.docx"));
}

TEST_F(QuilloraTest, RefusesToReadWhatIsNotARegularFileWithoutWaitingOnIt) {
  fs::create_directory(carpeta_ / "carpeta.docx");
  ASSERT_EQ(::mkfifo((carpeta_ / "tuberia.docx").c_str(), 0644), 0);
  for (const auto& [ruta, razon] : std::vector<std::pair<std::string, std::string>>{
           {(carpeta_ / "carpeta.docx").string(), "es una carpeta"},
           {(carpeta_ / "tuberia.docx").string(), "es una tubería (FIFO)"},
           {"/dev/zero", "es un dispositivo"}}) {
    for (const auto& orden : {"procesar", "marcas"}) {
      const auto r = Quillora({orden, ruta});
      EXPECT_EQ(r.estado, 1) << r.errores;
      EXPECT_EQ(r.errores, "quillora: No se puede leer el archivo «" + ruta + "»: " + razon +
                               (razon == "es una carpeta" ? "" : ", no un archivo") + "\n");
    }
  }
}

TEST_F(QuilloraTest, SayingItSavesOnATerminalOnly) {
  const auto salida = carpeta_ / "marcada.docx";
  auto r = EnTerminal("procesar " + ejemplo_.string() + " -o " + salida.string(), {}, "");
  EXPECT_EQ(r.estado, 0) << r.salida;
  // Shown while the save lasts, then cleared for the summary.
  EXPECT_NE(r.salida.find("Guardando…\r          \rQuillora: 13 marcas; guardado en"),
            std::string::npos)
      << r.salida;
  r = Quillora({"ocultar", salida.string()});
  EXPECT_EQ(r.estado, 0) << r.errores;
  EXPECT_EQ(r.errores.find("Guardando"), std::string::npos) << r.errores;
}

TEST_F(QuilloraTest, RefusesADocumentItCannotChangeSafelyAndWritesNothing) {
  // Two comments numbered alike: deleting the mark would take the other author's comment too.
  docx::prueba::Docx docx;
  docx.cuerpo =
      "<w:p><w:commentRangeStart w:id=\"1\"/><w:r><w:t>Los alumnos</w:t></w:r>"
      "<w:commentRangeEnd w:id=\"1\"/><w:r><w:commentReference w:id=\"1\"/></w:r></w:p>";
  docx.comentarios =
      "<w:comment w:id=\"1\" w:author=\"Quillora\" w:initials=\"QKV\"><w:p><w:r><w:t>alumnado"
      "</w:t></w:r></w:p></w:comment>"
      "<w:comment w:id=\"1\" w:author=\"Ana\" w:initials=\"A\"><w:p><w:r><w:t>¿seguro?</w:t>"
      "</w:r></w:p></w:comment>";
  const auto ruta = carpeta_ / "dos-iguales.docx";
  docx.Escribir(ruta);
  const auto antes = docx::prueba::LeerBytes(ruta);
  for (const auto& orden : {"ocultar", "procesar"}) {
    const auto r = Quillora({orden, ruta.string()});
    EXPECT_EQ(r.estado, 1) << r.errores;
    EXPECT_EQ(r.errores,
              "quillora: El documento .docx no se puede tratar sin riesgo: tiene dos comentarios "
              "con el número 1\n");
    EXPECT_TRUE(docx::prueba::LeerBytes(ruta) == antes);
  }
}

}  // namespace
}  // namespace quillora
