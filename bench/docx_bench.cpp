// Opening and saving generated .docx files of 100,000 and 1,000,000 words: unchanged, and with a
// mark over every twentieth word as the processing run writes them. Prints times and the
// process's peak memory.
#include <sys/resource.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "documento_docx.h"
#include "docx_generado.h"
#include "memory_document.h"
#include "story.h"
#include "word/comment.h"
#include "word/range.h"

namespace {

namespace fs = std::filesystem;
using Reloj = std::chrono::steady_clock;

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
  using quillora::bench::EscribirDocxGenerado;
  using quillora::docx::DocumentoDocx;
  const fs::path carpeta = fs::temp_directory_path() / ("docx_bench_" + std::to_string(getpid()));
  fs::create_directories(carpeta);
  std::printf("%10s %10s %12s %12s %10s %16s %14s\n", "palabras", "MiB .docx", "abrir (ms)",
              "guardar (ms)", "marcas", "marcar+guardar", "pico (MiB)");
  for (const int palabras : {100'000, 1'000'000}) {
    const fs::path entrada = carpeta / ("p" + std::to_string(palabras) + ".docx");
    EscribirDocxGenerado(entrada, palabras);
    try {
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
    } catch (const std::runtime_error& rechazo) {
      // The memory bound refuses the file, or its marks: said as the program would say it.
      std::printf("%10d rechazado: %s\n", palabras, rechazo.what());
    }
  }
  fs::remove_all(carpeta);
}
