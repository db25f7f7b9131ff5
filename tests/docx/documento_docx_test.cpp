// Saving a .docx: what the document in memory changed reaches the file, and nothing else does.
#include "documento_docx.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "docx/marcas_prueba.h"
#include "docx/paquete_prueba.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "paquete.h"
#include "word/host_error.h"
#include "word/range.h"

namespace quillora::docx {
namespace {

using prueba::CarpetaTemporal;
using prueba::Docx;
namespace fs = std::filesystem;

// "Los " + bold "trabaja" + italic "dores llegan." and a bookmark whose id is the highest.
Docx Frase() {
  Docx docx;
  docx.cuerpo =
      "<w:p><w:bookmarkStart w:id=\"12\" w:name=\"m\"/><w:r><w:t xml:space=\"preserve\">Los "
      "</w:t></w:r>"
      "<w:r><w:rPr><w:b/></w:rPr><w:t>trabaja</w:t></w:r>"
      "<w:r><w:rPr><w:i/></w:rPr><w:t xml:space=\"preserve\">dores "
      "llegan.</w:t></w:r><w:bookmarkEnd w:id=\"12\"/></w:p>"
      "<w:p><w:pPr><w:rPr><w:u w:val=\"single\"/><w:ins w:id=\"2\" "
      "w:author=\"A\"/></w:rPr></w:pPr></w:p>";
  return docx;
}

std::shared_ptr<word::Comment> Marcar(const memory::MemoryDocument& documento, std::int32_t inicio,
                                      std::int32_t fin, const std::string& texto) {
  return prueba::Marcar(documento, *documento.Range(inicio, fin), texto);
}

// Sets SOURCE_DATE_EPOCH for one test.
class FechaFija {
 public:
  explicit FechaFija(const char* segundos) { setenv("SOURCE_DATE_EPOCH", segundos, 1); }
  ~FechaFija() { unsetenv("SOURCE_DATE_EPOCH"); }
};

class Guardado : public ::testing::Test {
 protected:
  fs::path Entrada(const Docx& docx) {
    docx.Escribir(carpeta / "entrada.docx");
    return carpeta / "entrada.docx";
  }
  // Saves to "salida.docx" and answers its parts.
  std::map<std::string, std::string> Salida(DocumentoDocx& documento) {
    documento.Guardar(carpeta / "salida.docx");
    return prueba::PartesDe(carpeta / "salida.docx");
  }
  CarpetaTemporal carpeta;
};

TEST_F(Guardado, SinCambiosElArchivoQuedaIgualByteAByte) {
  const auto entrada = Entrada(Frase());
  auto documento = DocumentoDocx::Abrir(entrada);
  documento.Guardar(carpeta / "salida.docx");
  EXPECT_EQ(prueba::LeerBytes(carpeta / "salida.docx"), prueba::LeerBytes(entrada));
}

TEST_F(Guardado, ComentarioNuevoSinParteDeComentariosLaCrea) {
  const auto entrada = Entrada(Frase());
  const auto antes = prueba::PartesDe(entrada);
  FechaFija fecha("1700000000");
  auto documento = DocumentoDocx::Abrir(entrada);
  Marcar(*documento.Documento(), 4, 16, "personas trabajadoras\r\nplantilla");
  Marcar(*documento.Documento(), 17, 23, "");
  const auto despues = Salida(documento);
  // Anchors around the words, the second splitting the italic run; reference runs after them.
  EXPECT_EQ(prueba::Forma(despues.at("word/document.xml")),
            "bookmarkStart|r:Los |<13|r[b]:trabaja|r[i]:dores|>13|r[rStyle=CommentReference]:@13|"
            "r[i]: |<14|r[i]:llegan|>14|r[rStyle=CommentReference]:@14|r[i]:.|bookmarkEnd");
  const std::string& comentarios = despues.at("word/comments.xml");
  EXPECT_NE(comentarios.find("<w:comment w:id=\"13\" w:author=\"Quillora\" w:initials=\"QKV\" "
                             "w:date=\"2023-11-14T22:13:20Z\">"),
            std::string::npos);
  EXPECT_NE(comentarios.find("<w:t>personas trabajadoras</w:t></w:r></w:p><w:p><w:pPr><w:pStyle "
                             "w:val=\"CommentText\"/>"
                             "</w:pPr><w:r><w:t>plantilla</w:t>"),
            std::string::npos);
  EXPECT_NE(comentarios.find("<w:comment w:id=\"14\""), std::string::npos);
  EXPECT_NE(
      despues.at("[Content_Types].xml")
          .find("<Override PartName=\"/word/comments.xml\" ContentType=\""
                "application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml\"/></"
                "Types>"),
      std::string::npos);
  EXPECT_TRUE(std::regex_search(
      despues.at("word/_rels/document.xml.rels"),
      std::regex("<Relationship Id=\"rId\\d+\" Type=\"http://schemas.openxmlformats.org/"
                 "officeDocument/2006/relationships/comments\" Target=\"comments.xml\"/>")));
  for (const auto& parte :
       {"word/styles.xml", "word/footnotes.xml", "docProps/app.xml", "_rels/.rels"}) {
    EXPECT_EQ(despues.at(parte), antes.at(parte)) << parte;
  }

  auto leido = DocumentoDocx::Abrir(carpeta / "salida.docx");
  const auto& lista = leido.Documento()->CommentList();
  ASSERT_EQ(lista.size(), 2u);
  EXPECT_EQ(lista[0]->Text(), "personas trabajadoras\rplantilla");
  EXPECT_EQ(lista[0]->author, "Quillora");
  EXPECT_EQ(lista[0]->initials, "QKV");
  EXPECT_EQ(lista[0]->Scope().start, 4);
  EXPECT_EQ(lista[0]->Scope().end, 16);
  EXPECT_EQ(lista[1]->Scope().start, 17);
  EXPECT_EQ(lista[1]->Scope().end, 23);
}

TEST_F(Guardado, SinEstilosDeComentarioNoSeNombranEstilos) {
  Docx docx = Frase();
  docx.estilos = false;
  auto documento = DocumentoDocx::Abrir(Entrada(docx));
  Marcar(*documento.Documento(), 0, 3, "x");
  const auto partes = Salida(documento);
  EXPECT_EQ(prueba::Forma(partes.at("word/document.xml")).substr(0, 40),
            "bookmarkStart|<13|r:Los|>13|r:@13|r: |r[");
  EXPECT_EQ(partes.at("word/comments.xml").find("Style"), std::string::npos);
}

// A document marked and saved under SOURCE_DATE_EPOCH: its bytes, the new comment's date and
// what was said on the error stream meanwhile.
struct Marcado {
  std::string bytes, fecha, avisos;
};
Marcado MarcadoEn(const fs::path& entrada, const char* epoca) {
  FechaFija fecha(epoca);
  ::testing::internal::CaptureStderr();
  auto documento = DocumentoDocx::Abrir(entrada);
  Marcar(*documento.Documento(), 4, 16, "a");
  const auto bytes = documento.GuardarBytes();
  Marcado marcado{{bytes.begin(), bytes.end()}, {}, ::testing::internal::GetCapturedStderr()};
  CarpetaTemporal carpeta;
  prueba::EscribirBytes(carpeta / "s.docx", marcado.bytes);
  const auto comentarios = prueba::PartesDe(carpeta / "s.docx").at("word/comments.xml");
  std::smatch encontrada;
  std::regex_search(comentarios, encontrada, std::regex("w:date=\"([^\"]*)\""));
  marcado.fecha = encontrada[1].str();
  return marcado;
}

TEST_F(Guardado, ConSourceDateEpochLaSalidaEsReproducible) {
  const auto entrada = Entrada(Frase());
  const auto primero = MarcadoEn(entrada, "86400");
  EXPECT_EQ(MarcadoEn(entrada, "86400").bytes, primero.bytes);
  EXPECT_NE(prueba::LeerBytes(entrada), primero.bytes);
  for (const auto& [epoca, fecha] :
       std::vector<std::pair<const char*, std::string>>{{"0", "1970-01-01T00:00:00Z"},
                                                        {"86400", "1970-01-02T00:00:00Z"},
                                                        {"253402300799", "9999-12-31T23:59:59Z"}}) {
    const auto marcado = MarcadoEn(entrada, epoca);
    EXPECT_EQ(std::pair(marcado.fecha, marcado.avisos), std::pair(fecha, std::string()));
  }
}

TEST_F(Guardado, UnSourceDateEpochFueraDeRangoONoNumericoSeIgnoraConUnAviso) {
  const auto entrada = Entrada(Frase());
  for (const char* epoca :
       {"253402300800", "-1", "abc", "12abc", " 12", "1e9", "99999999999999999999"}) {
    const auto marcado = MarcadoEn(entrada, epoca);
    // Today's date instead, as without the variable.
    EXPECT_TRUE(std::regex_match(marcado.fecha, std::regex(R"(20\d\d-\d\d-\d\dT\d\d:\d\d:\d\dZ)")))
        << epoca << ": " << marcado.fecha;
    EXPECT_EQ(marcado.avisos,
              "Aviso: SOURCE_DATE_EPOCH=«" + std::string(epoca) +
                  "» no es un número de segundos entre 0 y 253402300799; se usa la fecha "
                  "actual\n")
        << epoca;
  }
}

// The processing run's part: it deletes the old marks (initials QKV), wherever they are anchored,
// and every trace of them goes from every comment part; the other comments keep their bytes.
TEST_F(Guardado, BorrarComentarioQuitaTodoRastroYRespetaLosDemas) {
  Docx docx;
  docx.cuerpo =
      "<w:p><w:commentRangeStart w:id=\"1\"/><w:r><w:t>Los</w:t></w:r><w:commentRangeEnd "
      "w:id=\"1\"/>"
      "<w:r><w:rPr><w:rStyle w:val=\"CommentReference\"/></w:rPr><w:commentReference "
      "w:id=\"1\"/></w:r>"
      "<w:commentRangeStart w:id=\"2\"/><w:r><w:t xml:space=\"preserve\"> "
      "niños</w:t></w:r><w:commentRangeEnd w:id=\"2\"/>"
      "<w:r><w:commentReference w:id=\"2\"/></w:r>"
      "<w:del w:id=\"7\" w:author=\"A\"><w:r><w:commentReference "
      "w:id=\"3\"/><w:delText>x</w:delText></w:r></w:del></w:p>";
  const std::string marta =
      "<w:comment w:id=\"2\" w:author=\"Marta\" w:date=\"2024-01-01T00:00:00Z\" w:initials=\"MR\">"
      "<w:p w14:paraId=\"00000002\"><w:r><w:rPr></w:rPr><w:t>Mejor «la "
      "infancia»</w:t></w:r></w:p></w:comment>";
  docx.comentarios =
      "<w:comment w:id=\"1\" w:author=\"Quillora\" w:initials=\"QKV\"><w:p "
      "w14:paraId=\"00000001\"><w:r><w:t>a</w:t></w:r></w:p></w:comment>" +
      marta +
      "<w:comment w:id=\"3\" w:author=\"Quillora\" w:initials=\"QKV\"><w:p "
      "w14:paraId=\"00000003\"><w:r><w:t>b</w:t></w:r></w:p></w:comment>";
  docx.extendidos =
      "<w15:commentEx w15:paraId=\"00000001\" w15:done=\"0\"/><w15:commentEx "
      "w15:paraId=\"00000002\" w15:done=\"0\"/>"
      "<w15:commentEx w15:paraId=\"00000003\" w15:done=\"0\"/>";
  docx.ids =
      "<w16cid:commentId w16cid:paraId=\"00000001\" w16cid:durableId=\"1A\"/>"
      "<w16cid:commentId w16cid:paraId=\"00000002\" w16cid:durableId=\"2B\"/>"
      "<w16cid:commentId w16cid:paraId=\"00000003\" w16cid:durableId=\"3C\"/>";
  docx.extensibles =
      "<w16cex:commentExtensible w16cex:durableId=\"1A\" w16cex:dateUtc=\"2024-01-01T00:00:00Z\"/>"
      "<w16cex:commentExtensible w16cex:durableId=\"2B\" w16cex:dateUtc=\"2024-01-01T00:00:00Z\"/>"
      "<w16cex:commentExtensible w16cex:durableId=\"3C\" w16cex:dateUtc=\"2024-01-01T00:00:00Z\"/>";
  const auto entrada = Entrada(docx);
  const auto antes = prueba::PartesDe(entrada);
  auto documento = DocumentoDocx::Abrir(entrada);
  ASSERT_EQ(documento.Documento()->GetComments()->Count(), 3);
  prueba::BorrarMarcas(*documento.Documento());
  const auto despues = Salida(documento);
  EXPECT_EQ(prueba::Forma(despues.at("word/document.xml")), "r:Los|<2|r: niños|>2|r:@2|del");
  EXPECT_EQ(despues.at("word/document.xml").find("w:id=\"3\""), std::string::npos);
  auto sinEntre = [](const std::string& parte, const std::string& desde, const std::string& hasta) {
    const auto inicio = parte.find(desde);
    return parte.substr(0, inicio) + parte.substr(parte.find(hasta, inicio) + hasta.size());
  };
  std::string esperado = antes.at("word/comments.xml");
  esperado = sinEntre(esperado, "<w:comment w:id=\"1\"", "</w:comment>");
  esperado = sinEntre(esperado, "<w:comment w:id=\"3\"", "</w:comment>");
  EXPECT_EQ(despues.at("word/comments.xml"), esperado);
  EXPECT_NE(despues.at("word/comments.xml").find(marta), std::string::npos);
  for (const auto& [parte, quitar] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"word/commentsExtended.xml",
            {"<w15:commentEx w15:paraId=\"00000001\"", "<w15:commentEx w15:paraId=\"00000003\""}},
           {"word/commentsIds.xml",
            {"<w16cid:commentId w16cid:paraId=\"00000001\"",
             "<w16cid:commentId w16cid:paraId=\"00000003\""}},
           {"word/commentsExtensible.xml",
            {"<w16cex:commentExtensible w16cex:durableId=\"1A\"",
             "<w16cex:commentExtensible w16cex:durableId=\"3C\""}}}) {
    std::string esperada = antes.at(parte);
    for (const auto& entrada : quitar) esperada = sinEntre(esperada, entrada, "/>");
    EXPECT_EQ(despues.at(parte), esperada) << parte;
  }

  auto leido = DocumentoDocx::Abrir(carpeta / "salida.docx");
  ASSERT_EQ(leido.Documento()->CommentList().size(), 1u);
  EXPECT_EQ(leido.Documento()->CommentList()[0]->author, "Marta");
}

// Word's collection holds every comment, wherever its anchors are: in a footnote (found where
// the note's reference is) or nowhere (at the end of the text). Deleting them there deletes them
// from the file, anchors in the notes included.
TEST_F(Guardado, LosComentariosAncladosFueraDelTextoPrincipalTambienSeBorran) {
  const auto comentario = [](const std::string& id, const std::string& autor,
                             const std::string& iniciales) {
    return "<w:comment w:id=\"" + id + "\" w:author=\"" + autor + "\" w:initials=\"" + iniciales +
           "\"><w:p><w:r><w:t>nota " + id + "</w:t></w:r></w:p></w:comment>";
  };
  const auto anclado = [](const std::string& id, const std::string& texto) {
    return "<w:commentRangeStart w:id=\"" + id + "\"/><w:r><w:t>" + texto +
           "</w:t></w:r><w:commentRangeEnd w:id=\"" + id + "\"/><w:r><w:commentReference w:id=\"" +
           id + "\"/></w:r>";
  };
  Docx docx;
  docx.cuerpo =
      "<w:p><w:r><w:t>Los padres</w:t></w:r><w:r><w:footnoteReference w:id=\"1\"/></w:r>"
      "<w:r><w:t xml:space=\"preserve\"> llegan.</w:t></w:r></w:p>";
  docx.notas = "<w:footnote w:id=\"1\"><w:p>" + anclado("5", "Nota") + anclado("6", " al pie") +
               "</w:p></w:footnote>";
  docx.comentarios = comentario("5", "Quillora", "QKV") + comentario("6", "Marta", "MR") +
                     comentario("7", "Quillora", "QKV") + comentario("8", "Marta", "MR");
  const auto entrada = Entrada(docx);
  const auto antes = prueba::PartesDe(entrada);
  auto documento = DocumentoDocx::Abrir(entrada);
  std::vector<std::tuple<std::string, std::int32_t, std::int32_t>> leidos;
  for (const auto& c : documento.Documento()->CommentList()) {
    leidos.emplace_back(c->Text(), c->Scope().start, c->Scope().end);
  }
  EXPECT_EQ(leidos,
            (std::vector<std::tuple<std::string, std::int32_t, std::int32_t>>{
                {"nota 5", 10, 10}, {"nota 6", 10, 10}, {"nota 7", 18, 18}, {"nota 8", 18, 18}}));
  prueba::BorrarMarcas(*documento.Documento());
  const auto despues = Salida(documento);
  EXPECT_EQ(despues.at("word/document.xml"), antes.at("word/document.xml"));
  EXPECT_EQ(despues.at("word/footnotes.xml").find("w:id=\"5\""), std::string::npos);
  EXPECT_NE(despues.at("word/footnotes.xml").find(anclado("6", " al pie")), std::string::npos);
  EXPECT_NE(despues.at("word/footnotes.xml").find("<w:t>Nota</w:t>"), std::string::npos);
  auto leido = DocumentoDocx::Abrir(carpeta / "salida.docx");
  std::vector<std::string> quedan;
  for (const auto& c : leido.Documento()->CommentList()) quedan.push_back(c->Text());
  EXPECT_EQ(quedan, (std::vector<std::string>{"nota 6", "nota 8"}));
}

// New comments take numbers above every number in use; when those reach the top of Word's
// 32-bit integers, the lowest ones no element uses.
TEST_F(Guardado, IdsNuevosPorEncimaDeLosUsadosSinPasarDeLosQueWordAdmite) {
  struct Caso {
    std::string cuerpo, comentario;
    std::vector<std::string> ids;
  };
  // Each under a bookmark numbered 12 and an insertion numbered 2, and a third paragraph "fin".
  for (const auto& caso : std::vector<Caso>{
           {"<w:p><w:r><w:t>fin</w:t></w:r></w:p>", "40", {"41", "42", "43"}},
           {"<w:p><w:bookmarkStart w:id=\"2147483646\" w:name=\"z\"/><w:bookmarkStart w:id=\"0\" "
            "w:name=\"y\"/><w:r><w:t>fin</w:t></w:r><w:bookmarkEnd w:id=\"0\"/><w:bookmarkEnd "
            "w:id=\"2147483646\"/></w:p>",
            "2147483647",
            {"1", "3", "4"}}}) {
    Docx docx = Frase();
    docx.cuerpo += caso.cuerpo;
    docx.comentarios = "<w:comment w:id=\"" + caso.comentario +
                       "\" w:author=\"X\" w:initials=\"X\"><w:p/></w:comment>";
    auto documento = DocumentoDocx::Abrir(Entrada(docx));
    const std::vector<std::pair<std::int32_t, std::int32_t>> alcances = {{0, 3}, {4, 16}, {26, 29}};
    for (const auto& [inicio, fin] : alcances) Marcar(*documento.Documento(), inicio, fin, "m");
    const auto comentarios = Salida(documento).at("word/comments.xml");
    std::vector<std::string> nuevos;
    const std::regex id("<w:comment w:id=\"(\\d+)\" w:author=\"Quillora\"");
    for (auto i = std::sregex_iterator(comentarios.begin(), comentarios.end(), id);
         i != std::sregex_iterator(); ++i) {
      nuevos.push_back((*i)[1].str());
    }
    EXPECT_EQ(nuevos, caso.ids);
    // Read back each over its words; X's comment, anchored nowhere, last.
    auto leido = DocumentoDocx::Abrir(carpeta / "salida.docx");
    std::vector<std::pair<std::int32_t, std::int32_t>> leidos;
    for (const auto& c : leido.Documento()->CommentList()) {
      if (c->author == "Quillora") leidos.emplace_back(c->Scope().start, c->Scope().end);
    }
    EXPECT_EQ(leidos, alcances);
    EXPECT_EQ(leido.Documento()->CommentList().back()->author, "X");
  }
}

// Paragraphs of two runs with a field's result between them, and one long run: every word
// marked, each comment's reference after the field its range ends in.
TEST_F(Guardado, MilesDeComentariosEnUnDocumento) {
  Docx docx;
  for (int p = 0; p < 300; ++p) {
    docx.cuerpo +=
        "<w:p><w:r><w:t xml:space=\"preserve\">uno dos tres cuatro cinco </w:t></w:r>"
        "<w:fldSimple w:instr=\" PAGE \"><w:r><w:t xml:space=\"preserve\">once doce </w:t></w:r>"
        "</w:fldSimple><w:r><w:rPr><w:b/></w:rPr><w:t>seis siete ocho nueve diez</w:t></w:r></w:p>";
  }
  docx.cuerpo += "<w:p><w:r><w:t>";
  // A character outside the BMP every tenth word: UTF-16 positions and UTF-8 bytes part ways.
  for (int palabra = 0; palabra < 1200; ++palabra)
    docx.cuerpo += palabra % 10 == 0 ? "\xF0\x9F\x98\x80largo " : "largo ";
  docx.cuerpo += "fin</w:t></w:r></w:p>";
  auto documento = DocumentoDocx::Abrir(Entrada(docx));
  const auto& memoria = *documento.Documento();
  auto palabras = memoria.Range()->GetWords();
  std::vector<std::pair<std::int32_t, std::int32_t>> alcances;
  for (std::int32_t i = 1; i <= palabras->Count(); ++i) {
    auto palabra = palabras->Item(i);
    if (palabra->GetText() == "\r") continue;
    const std::int32_t fin = palabra->GetEnd() - (palabra->GetText().back() == ' ' ? 1 : 0);
    Marcar(memoria, palabra->GetStart(), fin, "alternativa");
    alcances.emplace_back(palabra->GetStart(), fin);
  }
  ASSERT_EQ(alcances.size(), 300u * 12 + 1201 + 120);  // each symbol is a unit of its own
  documento.Guardar(carpeta / "salida.docx");
  std::string xml;
  for (const auto& [nombre, contenido] : prueba::LeerZip(carpeta / "salida.docx")) {
    if (nombre == "word/document.xml") xml = contenido;
  }
  for (auto campo = xml.find("<w:fldSimple"); campo != std::string::npos;
       campo = xml.find("<w:fldSimple", campo + 1)) {
    const auto fin = xml.find("</w:fldSimple>", campo);
    EXPECT_EQ(xml.substr(campo, fin - campo).find("commentReference"), std::string::npos);
  }
  auto leido = DocumentoDocx::Abrir(carpeta / "salida.docx");
  EXPECT_EQ(leido.Documento()->MainText(), memoria.MainText());
  const auto& lista = leido.Documento()->CommentList();
  ASSERT_EQ(lista.size(), alcances.size());
  for (std::size_t i = 0; i < lista.size(); ++i) {
    EXPECT_EQ(std::pair(lista[i]->Scope().start, lista[i]->Scope().end), alcances[i]);
  }
}

TEST_F(Guardado, TextoEscritoTomaElFormatoDeSuPrimerCaracter) {
  auto documento = DocumentoDocx::Abrir(Entrada(Frase()));
  const auto& memoria = *documento.Documento();
  memoria.Range(4, 16)->SetText("personas trabajadoras");  // over bold and italic: bold
  memoria.Range(25, 25)->SetText(" pronto");               // where two runs meet: the one before
  memoria.Range(0, 0)->SetText("¡");                       // at the paragraph's start: the first
  memoria.Range(26, 26)->SetText("\t");                    // a tab is a run element
  EXPECT_EQ(prueba::Forma(Salida(documento).at("word/document.xml")),
            "bookmarkStart|r:¡Los |r[b]:personas trabajadoras⇥ pronto|r[i]: llegan.|bookmarkEnd");
  EXPECT_EQ(DocumentoDocx::Abrir(carpeta / "salida.docx").Documento()->MainText(),
            "¡Los personas trabajadoras\t pronto llegan.\r\r");
}

TEST_F(Guardado, UnParrafoVacioRecibeUnRunConElFormatoDeSuMarca) {
  auto documento = DocumentoDocx::Abrir(Entrada(Frase()));
  const auto& memoria = *documento.Documento();
  memoria.Range(25, 25)->SetText("nuevo\vtexto");
  Marcar(memoria, 25, 30, "a");
  EXPECT_EQ(prueba::Forma(Salida(documento).at("word/document.xml"), 1),
            "pPr|<13|r[u=single]:nuevo|>13|r[rStyle=CommentReference]:@13|r[u=single]:↵texto");
}

TEST_F(Guardado, GuardarOtraVezPartiendoDeLoGuardado) {
  const auto entrada = Entrada(Frase());
  auto documento = DocumentoDocx::Abrir(entrada);
  auto marca = Marcar(*documento.Documento(), 4, 16, "a");
  documento.Guardar(carpeta / "uno.docx");
  marca->Delete();
  documento.Guardar(carpeta / "dos.docx");
  const auto antes = prueba::PartesDe(entrada);
  const auto dos = prueba::PartesDe(carpeta / "dos.docx");
  EXPECT_EQ(prueba::Formato(dos.at("word/document.xml")),
            prueba::Formato(antes.at("word/document.xml")));
  EXPECT_EQ(dos.at("word/comments.xml").find("<w:comment "), std::string::npos);
  EXPECT_EQ(DocumentoDocx::Abrir(carpeta / "dos.docx").Documento()->CommentList().size(), 0u);
}

// A save that fails after the document's tree took its edits leaves nothing of them to the
// next save.
TEST_F(Guardado, TrasUnGuardadoFallidoElSiguienteEscribeCadaMarcaUnaVez) {
  auto documento = DocumentoDocx::Abrir(Entrada(Frase()));
  Marcar(*documento.Documento(), 4, 16, "a");
  EXPECT_THROW(documento.Guardar(carpeta / "no" / "existe.docx"), ErrorDocx);
  Marcar(*documento.Documento(), 0, 3, "b");
  const auto cuerpo = Salida(documento).at("word/document.xml");
  std::size_t inicios = 0;
  for (auto i = cuerpo.find("commentRangeStart"); i != std::string::npos;
       i = cuerpo.find("commentRangeStart", i + 1)) {
    ++inicios;
  }
  EXPECT_EQ(inicios, 2u);
  EXPECT_EQ(DocumentoDocx::Abrir(carpeta / "salida.docx").Documento()->CommentList().size(), 2u);
}

// New comments are refused once the package they would make could not be opened within the
// memory bound; what the document held before stays, and a save gives the room back.
TEST_F(Guardado, LosComentariosNuevosNoPasanDeLaMemoriaAcotada) {
  auto documento = DocumentoDocx::Abrir(Entrada(Frase()));
  const auto& memoria = *documento.Documento();
  // Each of these costs three fifths of the bound: a tab is a byte and an element to write.
  const std::string largo(
      Paquete::kMemoria / (Paquete::kPorByteXml + Paquete::kPorElemento) / 5 * 3, '\t');
  Marcar(memoria, 0, 3, largo);
  EXPECT_THROW(Marcar(memoria, 4, 16, largo), word::HostError);
  EXPECT_EQ(memoria.CommentList().size(), 1u);
  memoria.GetComments()->Item(1)->Delete();
  EXPECT_THROW(Marcar(memoria, 4, 16, largo), word::HostError);
  documento.Guardar(carpeta / "salida.docx");
  Marcar(memoria, 4, 16, largo);
  EXPECT_EQ(memoria.CommentList().size(), 1u);
}

TEST_F(Guardado, SobreLaEntradaSoloCambiaAlFinal) {
  const auto entrada = Entrada(Frase());
  auto documento = DocumentoDocx::Abrir(entrada);
  Marcar(*documento.Documento(), 4, 16, "a");
  documento.Guardar(entrada);
  EXPECT_EQ(carpeta.Archivos(), std::vector<std::string>{"entrada.docx"});
  EXPECT_EQ(DocumentoDocx::Abrir(entrada).Documento()->CommentList().size(), 1u);
}

// A comments part whose prefix names another namespace holds nothing Word reads as a comment:
// a mark appended there would be lost, so the save is refused and nothing is written.
TEST_F(Guardado, UnaParteDeComentariosDeOtroEspacioNoPierdeMarcas) {
  Docx docx = Frase();
  docx.comentarios = "";
  auto entradas = docx.Paquete();
  for (auto& [nombre, contenido] : entradas) {
    if (nombre == "word/comments.xml") {
      contenido =
          "<?xml version=\"1.0\"?><w:comments xmlns:w=\"http://example.com/otro\"><w:comment "
          "w:id=\"5\"><w:p/></w:comment></w:comments>";
    }
  }
  prueba::EscribirZip(carpeta / "entrada.docx", entradas);
  auto documento = DocumentoDocx::Abrir(carpeta / "entrada.docx");
  Marcar(*documento.Documento(), 4, 16, "a");
  EXPECT_THROW(documento.Guardar(carpeta / "salida.docx"), ErrorDocx);
  EXPECT_EQ(carpeta.Archivos(), std::vector<std::string>{"entrada.docx"});
}

// A change the file cannot take is refused before anything is written.
TEST_F(Guardado, LoQueNoPuedeGuardarseNoEscribeNada) {
  const auto entrada = Entrada(Frase());
  const std::string bytes = prueba::LeerBytes(entrada);
  struct Caso {
    std::int32_t inicio, fin;
    std::string texto, mensaje;
  };
  for (const auto& caso : std::vector<Caso>{
           {4, 4, "a\rb", "párrafos"}, {20, 25, "", "párrafos"}, {4, 4, "\x01", "U+0001"}}) {
    auto documento = DocumentoDocx::Abrir(entrada);
    documento.Documento()->Range(caso.inicio, caso.fin)->SetText(caso.texto);
    for (const auto& destino : {carpeta / "salida.docx", entrada}) {
      try {
        documento.Guardar(destino);
        ADD_FAILURE() << "se guardó " << caso.texto;
      } catch (const ErrorDocx& error) {
        EXPECT_NE(std::string(error.what()).find(caso.mensaje), std::string::npos) << error.what();
      }
    }
    EXPECT_EQ(carpeta.Archivos(), std::vector<std::string>{"entrada.docx"});
    EXPECT_EQ(prueba::LeerBytes(entrada), bytes);
  }
  auto documento = DocumentoDocx::Abrir(entrada);
  Marcar(*documento.Documento(), 4, 16, "a");
  EXPECT_THROW(documento.Guardar(carpeta / "no" / "existe.docx"), ErrorDocx);
  Marcar(*documento.Documento(), 0, 3, "b")->SetAuthor("Quillora\x01");
  EXPECT_THROW(documento.Guardar(carpeta / "salida.docx"), ErrorDocx);
  documento.Documento()->Close();
  EXPECT_THROW(documento.Guardar(entrada), ErrorDocx);
  EXPECT_EQ(carpeta.Archivos(), std::vector<std::string>{"entrada.docx"});
}

}  // namespace
}  // namespace quillora::docx
