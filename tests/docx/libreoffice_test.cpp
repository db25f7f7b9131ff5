// Another word processor reads the comments the host writes: LibreOffice, converting a marked
// .docx to OpenDocument, finds the text of the original and every mark as a comment of its own
// with its alternatives, wherever the marked word sits (tables, other authors' comments, field
// results, content controls).
#include <gtest/gtest.h>

#include <map>

#include "common/texto_unicode.h"
#include "documento_docx.h"
#include "docx/libreoffice_prueba.h"
#include "docx/marcas_prueba.h"
#include "docx/paquete_prueba.h"
#include "memory_document.h"
#include "word/range.h"

namespace quillora::docx {
namespace {

using prueba::CarpetaTemporal;

std::string Run(const std::string& texto) {
  return "<w:r><w:t xml:space=\"preserve\">" + texto + "</w:t></w:r>";
}

std::string Campo(const std::string& codigo, const std::string& resultado) {
  return "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText "
         "xml:space=\"preserve\"> " +
         codigo + " </w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" +
         resultado + "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>";
}

std::string Control(const std::string& propiedades, const std::string& contenido) {
  return "<w:sdt><w:sdtPr><w:id w:val=\"4\"/>" + propiedades + "</w:sdtPr><w:sdtContent>" +
         contenido + "</w:sdtContent></w:sdt>";
}

std::string Parrafo(const std::string& contenido) { return "<w:p>" + contenido + "</w:p>"; }

struct Caso {
  std::string nombre;
  prueba::Docx docx;
  std::vector<std::string> palabras;  // each marked where it first appears, in this order
  std::size_t sinMarcar = 0;          // marks that cannot be written safely
};

std::vector<Caso> Casos() {
  std::vector<Caso> casos;
  {
    // A word across two runs, a table cell and a word under another author's comment.
    Caso caso{"texto", {}, {"trabajadores", "ninos", "director", "padres"}};
    caso.docx.cuerpo =
        Parrafo(Run("Los ") + "<w:r><w:rPr><w:b/></w:rPr><w:t>trabaja</w:t></w:r>" +
                Run("dores y los ninos llegan.")) +
        "<w:tbl><w:tr><w:tc>" + Parrafo(Run("El director")) + "</w:tc></w:tr></w:tbl>" +
        Parrafo("<w:commentRangeStart w:id=\"0\"/>" + Run("Los padres") +
                "<w:commentRangeEnd w:id=\"0\"/><w:r><w:commentReference w:id=\"0\"/></w:r>");
    caso.docx.comentarios =
        "<w:comment w:id=\"0\" w:author=\"Marta\" w:initials=\"MR\"><w:p><w:r><w:t>Las "
        "familias</w:t></w:r></w:p></w:comment>";
    casos.push_back(std::move(caso));
  }
  {
    // Marks that end in field results: a merge field, a simple field, a form field, and a table
    // of contents whose entries are paragraphs of one field with page numbers of their own.
    Caso caso{"campos", {}, {"director", "alumnos", "jefe", "Padres", "Madres"}};
    caso.docx.cuerpo =
        Parrafo(Run("Estimado ") +
                Campo("MERGEFIELD Cargo \\* MERGEFORMAT", Run("senor director")) +
                Run(" del centro")) +
        Parrafo(Run("Para ") + "<w:fldSimple w:instr=\" MERGEFIELD Grupo \">" +
                Run("los alumnos de hoy") + "</w:fldSimple>" + Run(" y sus familias")) +
        Parrafo(Run("Nombre del ") +
                "<w:r><w:fldChar w:fldCharType=\"begin\"><w:ffData><w:name w:val=\"T1\"/>"
                "<w:enabled/><w:textInput/></w:ffData></w:fldChar></w:r><w:r><w:instrText "
                "xml:space=\"preserve\"> FORMTEXT </w:instrText></w:r><w:r><w:fldChar "
                "w:fldCharType=\"separate\"/></w:r>" +
                Run("jefe de estudios") + "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>") +
        "<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText "
        "xml:space=\"preserve\"> TOC \\o \"1-3\" \\h </w:instrText></w:r><w:r><w:fldChar "
        "w:fldCharType=\"separate\"/></w:r><w:hyperlink w:anchor=\"_Toc1\">" +
        Run("Padres y alumnos") + "<w:r><w:tab/></w:r>" + Campo("PAGEREF _Toc1 \\h", Run("1")) +
        "</w:hyperlink></w:p><w:p><w:hyperlink w:anchor=\"_Toc2\">" + Run("Madres") +
        "<w:r><w:tab/></w:r>" + Campo("PAGEREF _Toc2 \\h", Run("2")) +
        "</w:hyperlink><w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>" +
        Parrafo("<w:bookmarkStart w:id=\"1\" w:name=\"_Toc1\"/>" + Run("Padres y alumnos") +
                "<w:bookmarkEnd w:id=\"1\"/>") +
        Parrafo("<w:bookmarkStart w:id=\"2\" w:name=\"_Toc2\"/>" + Run("Madres") +
                "<w:bookmarkEnd w:id=\"2\"/>");
    casos.push_back(std::move(caso));
  }
  {
    // Content controls: in the first paragraph of a block control, inside a plain text and a
    // date control in a line, in a cell control, in two block controls of one paragraph each;
    // the control that ends the document has no paragraph after it for the reference.
    Caso caso{
        "controles", {}, {"director", "alumnos", "hombre", "jefe", "padre", "firma", "Ultimo"}, 1};
    caso.docx.cuerpo =
        Control("", Parrafo(Run("El director firma")) + Parrafo(Run("y sella."))) +
        Parrafo(Run("Los ") + Control("<w:text/>", Run("alumnos de hoy")) + Run(" vienen.")) +
        Parrafo(Run("El dia ") +
                Control("<w:date><w:dateFormat w:val=\"d/M/yyyy\"/></w:date>", Run("del hombre")) +
                Run(" fin.")) +
        "<w:tbl><w:tr>" + Control("", "<w:tc>" + Parrafo(Run("El jefe manda")) + "</w:tc>") +
        "<w:tc>" + Parrafo(Run("Otra celda")) + "</w:tc></w:tr></w:tbl>" +
        Control("", Parrafo(Run("El padre llega"))) + Control("", Parrafo(Run("Otra firma"))) +
        Parrafo(Run("Fin")) + Control("", Parrafo(Run("Ultimo control")));
    casos.push_back(std::move(caso));
  }
  return casos;
}

TEST(LibreOffice, LeeElTextoYCadaComentarioComoElOriginal) {
  if (!prueba::HayLibreOffice()) GTEST_SKIP() << "no está soffice";
  CarpetaTemporal carpeta;
  std::map<std::string, std::vector<prueba::Anotacion>> marcas;
  for (auto& caso : Casos()) {
    const auto original = carpeta / (caso.nombre + ".docx");
    caso.docx.Escribir(original);
    auto documento = DocumentoDocx::Abrir(original);
    const auto& memoria = *documento.Documento();
    const std::u16string texto = texto::Utf8AUtf16(memoria.MainText());
    std::size_t desde = 0;
    for (const auto& palabra : caso.palabras) {
      const auto inicio = texto.find(texto::Utf8AUtf16(palabra), desde);
      ASSERT_NE(inicio, std::u16string::npos) << palabra;
      desde = inicio + 1;
      const auto fin = inicio + texto::Utf8AUtf16(palabra).size();
      prueba::Marcar(
          memoria,
          *memoria.Range(static_cast<std::int32_t>(inicio), static_cast<std::int32_t>(fin)),
          "persona\r\nplantilla");
    }
    documento.Guardar(carpeta / (caso.nombre + "-marcado.docx"));
    EXPECT_EQ(documento.NoAnclados(), caso.sinMarcar) << caso.nombre;
    marcas[caso.nombre].assign(caso.palabras.size() - caso.sinMarcar,
                               {"Quillora", "persona\nplantilla"});
  }
  prueba::EsperarMarcadosComoOriginales(carpeta.Ruta(), marcas);
}

}  // namespace
}  // namespace quillora::docx
