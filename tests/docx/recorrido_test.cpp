// What a .docx's main text is once opened: the body's text in order, and nothing that Word does
// not show as the body (deleted text, field codes, text boxes, notes).
#include <gtest/gtest.h>

#include "documento_docx.h"
#include "docx/paquete_prueba.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "word/range.h"

namespace quillora::docx {
namespace {

using prueba::CarpetaTemporal;
using prueba::Docx;

DocumentoDocx Abierto(const Docx& docx) {
  CarpetaTemporal carpeta;
  docx.Escribir(carpeta / "a.docx");
  return DocumentoDocx::Abrir(carpeta / "a.docx");
}

std::string TextoDe(const std::string& cuerpo) {
  Docx docx;
  docx.cuerpo = cuerpo;
  return Abierto(docx).Documento()->MainText();
}

TEST(TextoPrincipal, ReuneLoQueMuestraElCuerpoYDejaLoDemas) {
  const std::string cuerpo =
      // Run content: tab, line and page breaks.
      "<w:p><w:r><w:t>Uno</w:t></w:r><w:r><w:tab/><w:t xml:space=\"preserve\">dos </w:t></w:r>"
      "<w:r><w:br/><w:t>tres</w:t><w:br w:type=\"page\"/></w:r></w:p>"
      // A hyperlink, a complex field (its code hidden), a simple field.
      "<w:p><w:hyperlink r:id=\"rId9\"><w:r><w:t>enlace</w:t></w:r></w:hyperlink>"
      "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>PAGE</w:instrText></w:r>"
      "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>7</w:t></w:r>"
      "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>"
      "<w:fldSimple w:instr=\"DATE\"><w:r><w:t>hoy</w:t></w:r></w:fldSimple></w:p>"
      // Tracked changes: insertions and moves in, deletions and moves out.
      "<w:p><w:ins w:id=\"1\" w:author=\"A\"><w:r><w:t>puesto</w:t></w:r></w:ins>"
      "<w:del w:id=\"2\" w:author=\"A\"><w:r><w:delText>quitado</w:delText></w:r></w:del>"
      "<w:moveFrom w:id=\"3\" w:author=\"A\"><w:r><w:t>desde</w:t></w:r></w:moveFrom>"
      "<w:moveTo w:id=\"4\" w:author=\"A\"><w:r><w:t>hasta</w:t></w:r></w:moveTo></w:p>"
      // Content controls, smart tags, custom XML.
      "<w:sdt><w:sdtPr><w:alias w:val=\"x\"/></w:sdtPr><w:sdtContent><w:p>"
      "<w:smartTag w:uri=\"u\" w:element=\"e\"><w:r><w:t>etiqueta</w:t></w:r></w:smartTag>"
      "<w:customXml "
      "w:element=\"c\"><w:r><w:t>propio</w:t></w:r></w:customXml></w:p></w:sdtContent></w:sdt>"
      // A table with a nested table: each cell paragraph is a paragraph.
      "<w:tbl><w:tr><w:tc><w:p><w:r><w:t>celda</w:t></w:r></w:p>"
      "<w:tbl><w:tr><w:tc><w:p><w:r><w:t>anidada</w:t></w:r></w:p></w:tc></w:tr></w:tbl><w:p/></"
      "w:tc></w:tr></w:tbl>"
      // A text box (Word's and its VML fallback), a footnote reference, special characters.
      "<w:p><w:r><w:t>caja</w:t></w:r><w:r><mc:AlternateContent><mc:Choice "
      "Requires=\"wps\"><w:drawing><wps:txbx>"
      "<w:txbxContent><w:p><w:r><w:t>dentro</w:t></w:r></w:p></w:txbxContent></wps:txbx></"
      "w:drawing></mc:Choice>"
      "<mc:Fallback><w:pict><v:textbox><w:txbxContent><w:p><w:r><w:t>dentro</w:t></w:r></w:p></"
      "w:txbxContent>"
      "</v:textbox></w:pict></mc:Fallback></mc:AlternateContent></w:r><w:r><w:footnoteReference "
      "w:id=\"1\"/></w:r>"
      "<w:r><w:t>nota</w:t><w:noBreakHyphen/><w:t>sí</w:t><w:softHyphen/><w:sym w:font=\"Symbol\" "
      "w:char=\"F0B7\"/></w:r></w:p>";
  EXPECT_EQ(TextoDe(cuerpo),
            "Uno\tdos \vtres\f\renlace7hoy\rpuestohasta\retiquetapropio\rcelda\ranidada\r\r"
            "caja"
            "nota\u2011sí\u00AD\uF0B7\r");
  // Of nested fields, only the outer result.
  EXPECT_EQ(TextoDe("<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>IF "
                    "</w:instrText></w:r>"
                    "<w:r><w:fldChar "
                    "w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>PAGE</w:instrText></w:r>"
                    "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>3</w:t></w:r>"
                    "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r><w:r><w:instrText> = 3 "
                    "\"sí\"</w:instrText></w:r>"
                    "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>sí</w:t></w:r>"
                    "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r><w:r><w:t>.</w:t></w:r></w:p>"),
            "sí.\r");
  // A body without paragraphs: an empty text.
  EXPECT_EQ(TextoDe("<w:altChunk r:id=\"rId7\"/>"), "\r");
}

TEST(TextoPrincipal, UnaPalabraPartidaEntreFormatosEsUnaPalabra) {
  Docx docx;
  docx.cuerpo =
      "<w:p><w:r><w:t xml:space=\"preserve\">Los "
      "</w:t></w:r><w:r><w:rPr><w:b/></w:rPr><w:t>trabaja</w:t></w:r>"
      "<w:r><w:rPr><w:i/></w:rPr><w:t xml:space=\"preserve\">dores llegan</w:t></w:r></w:p>";
  const auto documento = Abierto(docx);
  EXPECT_EQ(documento.Documento()->Range()->GetWords()->Item(2)->GetText(), "trabajadores ");
}

TEST(TextoPrincipal, ParteRenombradaPrefijosPropiosYOoxmlEstricto) {
  const std::string cuerpo = "<X:body><X:p><X:r><X:t>hola</X:t></X:r></X:p></X:body>";
  for (const std::string uri : {"http://schemas.openxmlformats.org/wordprocessingml/2006/main",
                                "http://purl.oclc.org/ooxml/wordprocessingml/main"}) {
    Docx docx;
    docx.principal = "contenido/principal.xml";
    docx.documento = R"(<?xml version="1.0"?><ns0:document xmlns:ns0=")";
    docx.documento->append(uri).append(R"(">)").append(cuerpo).append("</ns0:document>");
    for (auto pos = docx.documento->find("X:"); pos != std::string::npos;
         pos = docx.documento->find("X:")) {
      docx.documento->replace(pos, 2, "ns0:");
    }
    EXPECT_EQ(Abierto(docx).Documento()->MainText(), "hola\r") << uri;
  }
}

TEST(ComentariosLeidos, AutorInicialesTextoYAlcanceEnOrden) {
  Docx docx;
  docx.cuerpo =
      "<w:p><w:r><w:t xml:space=\"preserve\">Los </w:t></w:r><w:commentRangeStart w:id=\"3\"/>"
      "<w:r><w:t>trabajadores</w:t></w:r><w:commentRangeEnd w:id=\"3\"/><w:r><w:commentReference "
      "w:id=\"3\"/></w:r>"
      "<w:r><w:t xml:space=\"preserve\"> y </w:t></w:r><w:r><w:commentReference w:id=\"5\"/></w:r>"
      "<w:del w:id=\"9\" w:author=\"A\"><w:r><w:commentReference "
      "w:id=\"6\"/><w:delText>viejo</w:delText></w:r></w:del>"
      "<w:r><w:t>más</w:t></w:r></w:p>";
  docx.comentarios =
      "<w:comment w:id=\"5\" w:author=\"Jorge\" w:initials=\"JL\"><w:p><w:r><w:t>Sin "
      "rango</w:t></w:r></w:p></w:comment>"
      "<w:comment w:id=\"3\" w:author=\"Marta\" w:initials=\"MR\" w:date=\"2024-01-02T03:04:05Z\">"
      "<w:p><w:r><w:t>Primera</w:t></w:r></w:p><w:p><w:r><w:t>línea</w:t><w:tab/><w:t>dos</w:t></"
      "w:r></w:p></w:comment>"
      "<w:comment w:id=\"6\" w:author=\"Ana\" w:initials=\"AG\"><w:p><w:r><w:t>En lo "
      "borrado</w:t></w:r></w:p></w:comment>"
      "<w:comment w:id=\"8\" w:author=\"Nadie\" "
      "w:initials=\"N\"><w:p><w:r><w:t>Huérfano</w:t></w:r></w:p></w:comment>";
  std::vector<std::tuple<std::string, std::string, std::string, std::int32_t, std::int32_t>> leidos;
  const auto documento = Abierto(docx);
  for (const auto& c : documento.Documento()->CommentList()) {
    leidos.emplace_back(c->author, c->initials, c->Text(), c->Scope().start, c->Scope().end);
  }
  // A comment on deleted text sits where the deletion is, so that it can still be deleted; one
  // anchored nowhere, at the end of the text.
  EXPECT_EQ(leidos, (decltype(leidos){{"Marta", "MR", "Primera\rlínea\tdos", 4, 16},
                                      {"Jorge", "JL", "Sin rango", 19, 19},
                                      {"Ana", "AG", "En lo borrado", 19, 19},
                                      {"Nadie", "N", "Huérfano", 22, 22}}));
}

}  // namespace
}  // namespace quillora::docx
