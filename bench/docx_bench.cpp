// Opening and saving generated .docx files of 100,000 and 1,000,000 words: unchanged, and with a
// mark over every twentieth word as the processing run writes them. Prints times and the
// process's peak memory.
#include <sys/resource.h>
#include <zip.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "documento_docx.h"
#include "memory_document.h"
#include "story.h"
#include "word/comment.h"
#include "word/range.h"

namespace {

namespace fs = std::filesystem;
using Reloj = std::chrono::steady_clock;

const char* const kPalabras[] = {
    "los",         "trabajadores", "de",         "la",          "empresa",     "reciben",
    "formación",   "cada",         "año",        "sobre",       "seguridad",   "el",
    "director",    "explica",      "que",        "las",         "normas",      "protegen",
    "a",           "todos",        "ciudadanos", "alumnos",     "profesorado", "familias",
    "niños",       "padres",       "hombre",     "negocios",    "oficina",     "atiende",
    "solicitudes", "plazo",        "vence",      "mañana",      "por",         "tarde",
    "consejo",     "escolar",      "aprueba",    "presupuesto", "municipal",   "ayudas",
    "vivienda",    "interesados",  "deben",      "presentar",   "documentos",  "originales",
    "registro",    "general"};

// Paragraphs of forty words in four runs (plain, bold, italic, plain), one word split between
// the second and third run.
std::string Documento(int palabras) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<w:document "
      "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>";
  unsigned azar = 12345;
  const char* const formatos[] = {"", "<w:rPr><w:b/></w:rPr>", "<w:rPr><w:i/></w:rPr>", ""};
  for (int escritas = 0; escritas < palabras;) {
    xml += "<w:p>";
    for (int run = 0; run < 4; ++run) {
      xml += "<w:r>" + std::string(formatos[run]) + "<w:t xml:space=\"preserve\">";
      for (int i = 0; i < 10 && escritas < palabras; ++i, ++escritas) {
        azar = azar * 1103515245u + 12345u;
        const std::string palabra = kPalabras[(azar >> 16) % std::size(kPalabras)];
        if (run == 1 && i == 9) {
          xml += palabra.substr(0, palabra.size() / 2);
        } else if (run == 2 && i == 0) {
          xml += palabra.substr(palabra.size() / 2) + " ";
        } else {
          xml += palabra + " ";
        }
      }
      xml += "</w:t></w:r>";
    }
    xml += "</w:p>";
  }
  return xml + "<w:sectPr/></w:body></w:document>";
}

void EscribirDocx(const fs::path& ruta, const std::string& documento) {
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

double Ms(Reloj::time_point desde) {
  return std::chrono::duration<double, std::milli>(Reloj::now() - desde).count();
}

long PicoMiB() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return uso.ru_maxrss / 1024;
}

}  // namespace

int main() {
  using quillora::docx::DocumentoDocx;
  const fs::path carpeta = fs::temp_directory_path() / ("docx_bench_" + std::to_string(getpid()));
  fs::create_directories(carpeta);
  std::printf("%10s %10s %12s %12s %10s %16s %14s\n", "palabras", "MiB .docx", "abrir (ms)",
              "guardar (ms)", "marcas", "marcar+guardar", "pico (MiB)");
  for (const int palabras : {100'000, 1'000'000}) {
    const fs::path entrada = carpeta / ("p" + std::to_string(palabras) + ".docx");
    EscribirDocx(entrada, Documento(palabras));

    auto inicio = Reloj::now();
    auto documento = DocumentoDocx::Abrir(entrada);
    const double abrir = Ms(inicio);
    inicio = Reloj::now();
    documento.Guardar(carpeta / "igual.docx");
    const double guardar = Ms(inicio);

    // Every twentieth word unit gets a mark, through the Word interface as the run does.
    inicio = Reloj::now();
    const auto& memoria = *documento.Documento();
    auto& historia = *memoria.MainStory();
    int marcas = 0;
    for (std::int32_t unidad = 0; unidad < historia.UnitCount(); unidad += 20) {
      auto marca = memoria.GetComments()->Add(
          *memoria.Range(historia.UnitStart(unidad), historia.UnitEnd(unidad)),
          "alternativa\r\notra");
      marca->SetAuthor("Quillora");
      marca->SetInitial("QKV");
      ++marcas;
    }
    documento.Guardar(carpeta / "marcado.docx");
    const double marcar = Ms(inicio);
    std::printf("%10d %10.1f %12.0f %12.0f %10d %16.0f %14ld\n", palabras,
                static_cast<double>(fs::file_size(entrada)) / (1 << 20), abrir, guardar, marcas,
                marcar, PicoMiB());
  }
  fs::remove_all(carpeta);
}
