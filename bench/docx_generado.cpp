#include "docx_generado.h"

#include <zip.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace quillora::bench {

namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, 50> kPalabras = {
    "los",         "trabajadores", "de",         "la",          "empresa",     "reciben",
    "formación",   "cada",         "año",        "sobre",       "seguridad",   "el",
    "director",    "explica",      "que",        "las",         "normas",      "protegen",
    "a",           "todos",        "ciudadanos", "alumnos",     "profesorado", "familias",
    "niños",       "padres",       "hombre",     "negocios",    "oficina",     "atiende",
    "solicitudes", "plazo",        "vence",      "mañana",      "por",         "tarde",
    "consejo",     "escolar",      "aprueba",    "presupuesto", "municipal",   "ayudas",
    "vivienda",    "interesados",  "deben",      "presentar",   "documentos",  "originales",
    "registro",    "general"};

}  // namespace

bool EsPalabraGenerada(std::string_view palabra) {
  return std::any_of(kPalabras.begin(), kPalabras.end(),
                     [&](const char* generada) { return palabra == generada; });
}

namespace {

std::string Palabra(unsigned& azar) {
  azar = azar * 1103515245u + 12345u;
  return kPalabras[(azar >> 16) % kPalabras.size()];
}

// Paragraphs of forty words in four runs (plain, bold, italic, plain), one word split between
// the second and third run; with fields, the last run is a field's result.
void Parrafos(std::string& xml, int palabras, bool campos) {
  unsigned azar = 12345;
  const std::array<const char*, 4> formatos = {"", "<w:rPr><w:b/></w:rPr>", "<w:rPr><w:i/></w:rPr>",
                                               ""};
  for (int escritas = 0; escritas < palabras;) {
    xml += "<w:p>";
    for (int run = 0; run < 4; ++run) {
      const bool campo = campos && run == 3;
      if (campo) xml += "<w:fldSimple w:instr=\" MERGEFIELD Texto \">";
      xml += "<w:r>" + std::string(formatos[run]) + "<w:t xml:space=\"preserve\">";
      for (int i = 0; i < 10 && escritas < palabras; ++i, ++escritas) {
        const std::string palabra = Palabra(azar);
        // Words cut between two runs are cut between characters, not inside one.
        auto mitad = palabra.size() / 2;
        while (mitad > 0 && (static_cast<unsigned char>(palabra[mitad]) & 0xC0) == 0x80) --mitad;
        if (run == 1 && i == 9) {
          xml += palabra.substr(0, mitad);
        } else if (run == 2 && i == 0) {
          xml += palabra.substr(mitad) + " ";
        } else {
          xml += palabra + " ";
        }
      }
      xml += "</w:t></w:r>";
      if (campo) xml += "</w:fldSimple>";
    }
    xml += "</w:p>";
  }
}

// One paragraph of one run, as converted and generated documents often come.
void UnRun(std::string& xml, int palabras) {
  unsigned azar = 12345;
  xml += "<w:p><w:r><w:t xml:space=\"preserve\">";
  for (int escritas = 0; escritas < palabras; ++escritas) xml += Palabra(azar) + " ";
  xml += "</w:t></w:r></w:p>";
}

std::string DocumentoXml(int palabras, Forma forma) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<w:document "
      "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>";
  if (forma == Forma::UnRun) {
    UnRun(xml, palabras);
  } else {
    Parrafos(xml, palabras, forma == Forma::Campos);
  }
  return xml + "<w:sectPr/></w:body></w:document>";
}

}  // namespace

void EscribirDocxGenerado(const fs::path& ruta, int palabras, Forma forma) {
  const std::string documento = DocumentoXml(palabras, forma);
  const std::vector<std::pair<std::string, std::string>> partes = {
      {"[Content_Types].xml",
       "<?xml version=\"1.0\"?><Types "
       "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
       "<Default Extension=\"rels\" "
       "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
       "<Default Extension=\"xml\" ContentType=\"application/xml\"/><Override "
       "PartName=\"/word/document.xml\" "
       "ContentType=\"application/"
       "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>"},
      {"_rels/.rels",
       "<?xml version=\"1.0\"?><Relationships "
       "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
       "<Relationship Id=\"rId1\" "
       "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
       "officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
      {"word/document.xml", documento}};
  int error = 0;
  zip_t* archivo = zip_open(ruta.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  for (const auto& [nombre, contenido] : partes) {
    zip_file_add(archivo, nombre.c_str(),
                 zip_source_buffer(archivo, contenido.data(), contenido.size(), 0), 0);
  }
  zip_close(archivo);
}

}  // namespace quillora::bench
