// What cannot be opened is refused with a clear message and nothing is written: files that are
// not .docx packages, damaged or hostile packages.
#include "paquete.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <functional>

#include "documento_docx.h"
#include "docx/paquete_prueba.h"
#include "memory_document.h"
#include "word/comment.h"
#include "word/range.h"

namespace quillora::docx {
namespace {

using prueba::CarpetaTemporal;
using prueba::Docx;
using prueba::Entradas;

std::string Zip(const Entradas& entradas) {
  CarpetaTemporal carpeta;
  prueba::EscribirZip(carpeta / "a.zip", entradas);
  return prueba::LeerBytes(carpeta / "a.zip");
}

Entradas Cambiar(Entradas entradas, const std::string& parte,
                 const std::function<void(std::string&)>& cambio) {
  for (auto& [nombre, contenido] : entradas) {
    if (nombre == parte) cambio(contenido);
  }
  return entradas;
}

Entradas Sin(Entradas entradas, const std::string& parte) {
  std::erase_if(entradas, [&](const auto& entrada) { return entrada.first == parte; });
  return entradas;
}

std::string Ole(const std::string& flujo) {
  std::string bytes = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + std::string(504, '\0');
  for (const char c : flujo) bytes += std::string{c, '\0'};
  return bytes + std::string(64, '\0');
}

std::string Documento(const std::string& cuerpo) {
  return "<?xml version=\"1.0\"?><w:document" + std::string(prueba::kEspacios) + "><w:body>" +
         cuerpo + "</w:body></w:document>";
}

Entradas Paquete(const std::string& cuerpo) {
  Docx docx;
  docx.cuerpo = cuerpo;
  return docx.Paquete();
}

struct Caso {
  std::string nombre;
  std::function<std::string()> bytes;
  std::string mensaje;
};

// A package whose entry `otra` is renamed to `parte` in the archive's own bytes: libzip itself
// never writes two entries of one name.
std::string ConNombreRepetido(Entradas entradas, const std::string& parte,
                              const std::string& otra) {
  entradas.emplace_back(otra, "<?xml version=\"1.0\"?><x/>");
  std::string bytes = Zip(entradas);
  for (auto i = bytes.find(otra); i != std::string::npos; i = bytes.find(otra, i))
    bytes.replace(i, otra.size(), parte);
  return bytes;
}

// A package whose every entry libzip encrypts with a password.
std::string Cifrado(const Entradas& entradas) {
  CarpetaTemporal carpeta;
  prueba::EscribirZip(carpeta / "a.zip", entradas);
  zip_t* archivo = zip_open((carpeta / "a.zip").c_str(), 0, nullptr);
  for (zip_int64_t i = 0; i < zip_get_num_entries(archivo, 0); ++i) {
    zip_file_set_encryption(archivo, static_cast<zip_uint64_t>(i), ZIP_EM_AES_256, "clave");
  }
  zip_close(archivo);
  return prueba::LeerBytes(carpeta / "a.zip");
}

// A package with comments by two authors on the paragraph "hola".
Docx ConComentarios(const std::string& comentarios) {
  Docx docx;
  docx.cuerpo =
      "<w:p><w:commentRangeStart w:id=\"1\"/><w:r><w:t>hola</w:t></w:r><w:commentRangeEnd "
      "w:id=\"1\"/><w:r><w:commentReference w:id=\"1\"/></w:r></w:p>";
  docx.comentarios = comentarios;
  return docx;
}

std::string Comentario(const std::string& id, const std::string& autor) {
  return "<w:comment w:id=\"" + id + "\" w:author=\"" + autor + "\" w:initials=\"" +
         autor.substr(0, 1) + "\"><w:p><w:r><w:t>nota</w:t></w:r></w:p></w:comment>";
}

// Letters that compress about as ordinary text does, far from a zip bomb.
std::string Letras(std::size_t cuantas) {
  std::string texto(cuantas, ' ');
  std::uint32_t estado = 12345;
  for (auto& c : texto) {
    estado = estado * 1103515245 + 12345;
    c = static_cast<char>('a' + (estado >> 16) % 26);
  }
  return texto;
}

std::vector<Caso> Casos() {
  const Entradas docx = Paquete("<w:p><w:r><w:t>hola</w:t></w:r></w:p>");
  const auto conCuerpo = [=](const std::string& cuerpo) {
    return [=] {
      return Zip(
          Cambiar(docx, "word/document.xml", [&](std::string& xml) { xml = Documento(cuerpo); }));
    };
  };
  const auto conTexto = [=](const std::string& texto) {
    return conCuerpo("<w:p><w:r><w:t>" + texto + "</w:t></w:r></w:p>");
  };
  std::string anidado;
  for (int i = 0; i < 300; ++i) anidado += "<w:sdt><w:sdtContent>";
  for (int i = 0; i < 300; ++i) anidado += "</w:sdtContent></w:sdt>";
  const std::string prohibido = "un carácter que XML no admite";
  std::vector<Caso> casos = {
      {"Vacio", [] { return std::string(); }, "está vacío"},
      {"Texto", [] { return std::string("Esto no es un .docx\n"); }, "no es un archivo ZIP"},
      {"ZipTruncado",
       [=] {
         const auto z = Zip(docx);
         return z.substr(0, z.size() / 2);
       },
       "dañado o incompleto"},
      {"Cifrado", [] { return Ole("EncryptedPackage"); }, "cifrado con contraseña"},
      {"DocAntiguo", [] { return Ole("WordDocument"); }, "Word 97-2003 (.doc)"},
      {"OleDesconocido", [] { return Ole("Otro"); }, "archivo compuesto OLE"},
      {"SinTiposDeContenido", [=] { return Zip(Sin(docx, "[Content_Types].xml")); },
       "[Content_Types].xml"},
      {"SinPartePrincipal", [=] { return Zip(Sin(docx, "word/document.xml")); }, "parte principal"},
      {"OtroTipoDeDocumento",
       [=] {
         return Zip(Cambiar(docx, "[Content_Types].xml", [](std::string& tipos) {
           const std::string word = "wordprocessingml.document.main+xml";
           tipos.replace(tipos.find(word), word.size(), "spreadsheetml.sheet.main+xml");
         }));
       },
       "no es un documento de Word"},
      {"XmlMalFormado",
       [=] {
         return Zip(Cambiar(docx, "word/document.xml",
                            [](std::string& xml) { xml.resize(xml.size() - 5); }));
       },
       "no es XML bien formado"},
      {"EntidadExterna",
       [=] {
         return Zip(Cambiar(docx, "word/document.xml", [](std::string& xml) {
           xml =
               "<?xml version=\"1.0\"?><!DOCTYPE w:document [<!ENTITY xxe SYSTEM "
               "\"file:///etc/passwd\">]>" +
               Documento("<w:p><w:r><w:t>&xxe;</w:t></w:r></w:p>").substr(21);
         }));
       },
       "DOCTYPE"},
      {"BombaZip", conTexto(std::string(2u << 20, 'a')), "bomba ZIP"},
      {"AnidamientoExcesivo", conCuerpo(anidado), "anidados"},
      {"NombreRepetido",
       [=] { return ConNombreRepetido(docx, "word/document.xml", "word/documenX.xml"); },
       "dos partes con el nombre «word/document.xml»"},
      {"NombresQueSoloDifierenEnMayusculas",
       [=] {
         auto otras = docx;
         otras.emplace_back("Word/Document.XML",
                            Documento("<w:p><w:r><w:t>otro</w:t></w:r></w:p>"));
         return Zip(otras);
       },
       "dos partes con el nombre «word/document.xml» (o que solo se diferencian en mayúsculas)"},
      {"ComentariosConElMismoNumero",
       [] {
         return Zip(ConComentarios(Comentario("1", "Ana") + Comentario("1", "Quillora")).Paquete());
       },
       "dos comentarios con el número 1"},
      {"ComentariosSinParte",
       [] {
         return Zip(Sin(ConComentarios(Comentario("1", "Ana")).Paquete(), "word/comments.xml"));
       },
       "la parte de comentarios «word/comments.xml», que no existe"},
      {"DosPartesDeComentarios",
       [] {
         return Zip(Cambiar(ConComentarios(Comentario("1", "Ana")).Paquete(),
                            "word/_rels/document.xml.rels", [](std::string& rels) {
                              rels.insert(rels.find("</Relationships>"),
                                          "<Relationship Id=\"rId99\" "
                                          "Type=\"http://schemas.openxmlformats.org/"
                                          "officeDocument/2006/relationships/comments\" "
                                          "Target=\"footnotes.xml\"/>");
                            }));
       },
       "dos partes de comentarios, «word/comments.xml» y «word/footnotes.xml»"},
      {"ReferenciaACaracterNulo", conTexto("a&#0;b"), prohibido + " (U+0000)"},
      {"ReferenciaHexadecimalAControl", conTexto("a&#x1F;b"), prohibido + " (U+001F)"},
      {"ReferenciaANoCaracter", conTexto("a&#xFFFE;b"), prohibido + " (U+FFFE)"},
      {"ReferenciaASustituto", conTexto("a&#xD800;b"), prohibido + " (U+D800)"},
      {"ReferenciaFueraDeUnicode", conTexto("a&#x110000;b"), prohibido + " (U+110000)"},
      {"CaracterDeControlEnUnAtributo",
       conCuerpo("<w:p><w:pPr><w:pStyle w:val=\"a&#8;\"/></w:pPr></w:p>"), prohibido + " (U+0008)"},
      {"CaracterDeControlSinReferencia",
       conTexto(std::string("a\x01"
                            "b")),
       prohibido + " (U+0001)"},
      // Refused from the sizes the archive declares, before anything is decompressed.
      {"XmlQueAgotariaLaMemoria",
       [=] {
         return Zip(Cambiar(docx, "word/document.xml",
                            [](std::string& xml) { xml.append(92u << 20, ' '); }));
       },
       "es demasiado grande para tratarlo sin agotar la memoria: sus partes XML ocupan 93 MiB "
       "descomprimidas, y con un archivo de 1 MiB el máximo es 91 MiB"},
      // The main part is whatever the content types say; one not named as XML is read only when
      // small, so that the sizes of the XML parts bound what is parsed.
      {"PartePrincipalGrandeSinNombreXml",
       [] {
         Docx principal;
         principal.principal = "word/principal.bin";
         principal.documento =
             Documento("<w:p><w:r><w:t>" + Letras((2u << 20) - 1024) + "</w:t></w:r></w:p>");
         return Zip(principal.Paquete());
       },
       "la parte «word/principal.bin» no se lee: ocupa 2 MiB descomprimida"},
      {"Utf8NoValido", conTexto("a\xC3(b"), "mal codificado (no es UTF-8 válido)"},
  };
  if (zip_encryption_method_supported(ZIP_EM_AES_256, 1) != 0) {
    casos.push_back({"EntradasCifradasEnElZip", [=] { return Cifrado(docx); },
                     "cifrado con contraseña; quite la contraseña y vuelva a intentarlo"});
  }
  return casos;
}

class EntradaMala : public ::testing::TestWithParam<Caso> {};

TEST_P(EntradaMala, SeRechazaConSuMensajeYNoEscribeNada) {
  CarpetaTemporal carpeta;
  const std::string bytes = GetParam().bytes();
  prueba::EscribirBytes(carpeta / "entrada.docx", bytes);
  try {
    DocumentoDocx::Abrir(carpeta / "entrada.docx");
    ADD_FAILURE() << "se abrió";
  } catch (const ErrorDocx& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().mensaje), std::string::npos)
        << error.what();
  }
  EXPECT_EQ(carpeta.Archivos(), std::vector<std::string>{"entrada.docx"});
  EXPECT_EQ(prueba::LeerBytes(carpeta / "entrada.docx"), bytes);
}

INSTANTIATE_TEST_SUITE_P(Docx, EntradaMala, ::testing::ValuesIn(Casos()),
                         [](const auto& info) { return info.param.nombre; });

// A part the host never decompresses, however well it compresses, is copied as it is.
TEST(Paquete, UnaImagenMuyComprimidaNoEsUnaBomba) {
  CarpetaTemporal carpeta;
  Entradas entradas = Paquete("<w:p><w:r><w:t>hola</w:t></w:r></w:p>");
  entradas.emplace_back("word/media/blanco.bmp", std::string(4u << 20, '\xff'));
  prueba::EscribirZip(carpeta / "a.docx", entradas);
  auto documento = DocumentoDocx::Abrir(carpeta / "a.docx");
  documento.Documento()->GetComments()->Add(*documento.Documento()->Range(0, 4), "saludo");
  documento.Guardar(carpeta / "b.docx");
  EXPECT_EQ(prueba::PartesDe(carpeta / "b.docx").at("word/media/blanco.bmp"),
            std::string(4u << 20, '\xff'));
}

// The bytes an entry holds in the archive, compressed as they are.
std::string Almacenado(const std::filesystem::path& ruta, const std::string& nombre) {
  zip_t* archivo = zip_open(ruta.c_str(), ZIP_RDONLY, nullptr);
  zip_stat_t estado;
  zip_stat(archivo, nombre.c_str(), 0, &estado);
  std::string datos(estado.comp_size, '\0');
  zip_file_t* entrada = zip_fopen(archivo, nombre.c_str(), ZIP_FL_COMPRESSED);
  zip_fread(entrada, datos.data(), datos.size());
  zip_fclose(entrada);
  zip_discard(archivo);
  return datos;
}

// Parts a save does not touch are copied as stored: the fastest compression, which a rewrite
// would not reproduce, survives.
TEST(Paquete, LoNoCambiadoSeCopiaComprimidoComoEstaba) {
  CarpetaTemporal carpeta;
  Entradas entradas = Paquete("<w:p/>");
  for (int i = 0; i < 2000; ++i) entradas.back().second += "<p>" + std::to_string(i * i) + "</p>";
  zip_t* archivo = zip_open((carpeta / "a.zip").c_str(), ZIP_CREATE, nullptr);
  for (const auto& [nombre, contenido] : entradas) {
    const auto indice =
        zip_file_add(archivo, nombre.c_str(),
                     zip_source_buffer(archivo, contenido.data(), contenido.size(), 0), 0);
    zip_set_file_compression(archivo, static_cast<zip_uint64_t>(indice), ZIP_CM_DEFLATE, 1);
  }
  ASSERT_EQ(zip_close(archivo), 0);
  const std::string original = prueba::LeerBytes(carpeta / "a.zip");
  const docx::Paquete paquete(std::vector<std::uint8_t>(original.begin(), original.end()));
  const auto nuevo =
      paquete.Escribir({{"word/document.xml", "<x/>"}, {"nueva.xml", "<y/>"}}, 0).Bytes();
  prueba::EscribirBytes(carpeta / "b.zip", std::string(nuevo.begin(), nuevo.end()));

  const auto escritas = prueba::LeerZip(carpeta / "b.zip");
  ASSERT_EQ(escritas.size(), entradas.size() + 1);
  for (std::size_t i = 0; i < entradas.size(); ++i) {
    const auto& [nombre, contenido] = entradas[i];
    EXPECT_EQ(escritas[i].first, nombre);
    if (nombre == "word/document.xml") {
      EXPECT_EQ(escritas[i].second, "<x/>");
    } else {
      EXPECT_EQ(escritas[i].second, contenido);
      EXPECT_TRUE(Almacenado(carpeta / "b.zip", nombre) == Almacenado(carpeta / "a.zip", nombre))
          << nombre << " se recomprimió";
    }
  }
  EXPECT_EQ(escritas.back().first, "nueva.xml");
  EXPECT_EQ(escritas.back().second, "<y/>");
}

// The class, which the helper above hides.
using PaqueteZip = class Paquete;

// The estimate charges the main part at its own rate, and each part's start tags (not end tags,
// comments or declarations) once it is read; a written package is charged alike.
TEST(Paquete, LaEstimacionCuentaLosElementosDeLoLeido) {
  Entradas entradas = Paquete("<w:p/>");
  const std::string documento = "<?xml version=\"1.0\"?><!-- c --><a><b/><c x=\"1\">t</c></a>";
  for (auto& [nombre, contenido] : entradas) {
    if (nombre == "word/document.xml") contenido = documento;
  }
  entradas.push_back({"otra.xml", "<a><b/></a>"});
  CarpetaTemporal carpeta;
  prueba::EscribirZip(carpeta / "a.zip", entradas);
  const std::string zip = prueba::LeerBytes(carpeta / "a.zip");
  PaqueteZip paquete(std::vector<std::uint8_t>(zip.begin(), zip.end()));
  const auto sinPrincipal = static_cast<std::int64_t>(paquete.Estimacion());
  paquete.FijarPrincipal("word/document.xml");
  const auto antes = static_cast<std::int64_t>(paquete.Estimacion());
  EXPECT_EQ(antes - sinPrincipal,
            static_cast<std::int64_t>(documento.size() *
                                      (PaqueteZip::kPorBytePrincipal - PaqueteZip::kPorByteXml)));
  paquete.Leer("word/document.xml");
  paquete.Leer("word/document.xml");
  EXPECT_EQ(static_cast<std::int64_t>(paquete.Estimacion()) - antes,
            static_cast<std::int64_t>(3 * PaqueteZip::kPorElemento));
  const auto escrito = paquete.Escribir({{"otra.xml", "<a><b/><c/><d/></a>"}}, 0);
  const auto archivo = (static_cast<std::int64_t>(escrito.Bytes().size()) -
                        static_cast<std::int64_t>(paquete.Bytes().size())) *
                       static_cast<std::int64_t>(PaqueteZip::kPorByteArchivo);
  EXPECT_EQ(static_cast<std::int64_t>(escrito.Estimacion()) - antes - archivo,
            static_cast<std::int64_t>(8 * PaqueteZip::kPorByteXml + 7 * PaqueteZip::kPorElemento));
}

}  // namespace
}  // namespace quillora::docx
