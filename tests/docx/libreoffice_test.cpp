// Another word processor reads the comments the host writes: LibreOffice, converting a marked
// .docx to OpenDocument, finds every mark with its author.
#include <gtest/gtest.h>

#include <cstdlib>
#include <pugixml.hpp>

#include "documento_docx.h"
#include "docx/paquete_prueba.h"
#include "memory_document.h"
#include "word/comment.h"
#include "word/range.h"

namespace quillora::docx {
namespace {

using prueba::CarpetaTemporal;

TEST(LibreOffice, LeeLosComentariosDeQuillora) {
  if (std::system("command -v soffice > /dev/null 2>&1") != 0) GTEST_SKIP() << "no está soffice";
  CarpetaTemporal carpeta;
  prueba::Docx docx;
  docx.cuerpo =
      "<w:p><w:r><w:t xml:space=\"preserve\">Los "
      "</w:t></w:r><w:r><w:rPr><w:b/></w:rPr><w:t>trabaja</w:t></w:r>"
      "<w:r><w:t xml:space=\"preserve\">dores y los niños llegan.</w:t></w:r></w:p>"
      "<w:tbl><w:tr><w:tc><w:p><w:r><w:t>El director</w:t></w:r></w:p></w:tc></w:tr></w:tbl>"
      "<w:p><w:commentRangeStart w:id=\"0\"/><w:r><w:t>Los padres</w:t></w:r><w:commentRangeEnd "
      "w:id=\"0\"/>"
      "<w:r><w:commentReference w:id=\"0\"/></w:r></w:p>";
  docx.comentarios =
      "<w:comment w:id=\"0\" w:author=\"Marta\" w:initials=\"MR\"><w:p><w:r><w:t>Las "
      "familias</w:t></w:r></w:p></w:comment>";
  docx.Escribir(carpeta / "entrada.docx");
  auto documento = DocumentoDocx::Abrir(carpeta / "entrada.docx");
  const auto& memoria = *documento.Documento();
  // "trabajadores" across two runs, "niños", "director" in a table, "padres" inside Marta's
  // comment.
  const std::vector<std::pair<std::int32_t, std::int32_t>> marcas = {
      {4, 16}, {23, 28}, {40, 48}, {53, 59}};
  for (const auto& [inicio, fin] : marcas) {
    auto marca = memoria.GetComments()->Add(*memoria.Range(inicio, fin), "persona\r\nplantilla");
    marca->SetAuthor("Quillora");
    marca->SetInitial("QKV");
  }
  documento.Guardar(carpeta / "marcado.docx");

  const std::string orden = "timeout 300 soffice --headless -env:UserInstallation=file://" +
                            (carpeta / "perfil").string() + " --convert-to odt --outdir " +
                            carpeta.Ruta().string() + " " + (carpeta / "marcado.docx").string() +
                            " > /dev/null 2>&1";
  ASSERT_EQ(std::system(orden.c_str()), 0);
  std::string contenido;
  for (const auto& [nombre, datos] : prueba::LeerZip(carpeta / "marcado.odt")) {
    if (nombre == "content.xml") contenido = datos;
  }
  pugi::xml_document odt;
  ASSERT_TRUE(odt.load_buffer(contenido.data(), contenido.size()));
  int deQuillora = 0;
  int deOtros = 0;
  for (const auto& anotacion : odt.select_nodes("//office:annotation")) {
    const std::string autor = anotacion.node().child("dc:creator").text().get();
    (autor == "Quillora" ? deQuillora : deOtros) += 1;
  }
  EXPECT_EQ(deQuillora, static_cast<int>(marcas.size()));
  EXPECT_EQ(deOtros, 1);
}

}  // namespace
}  // namespace quillora::docx
