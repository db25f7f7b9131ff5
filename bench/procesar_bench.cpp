// The processing run with the sample dictionary, as the command runs it (Word with the add-in,
// its first button), from opening a generated .docx to the saved marked copy, beside the time
// that unzipping and re-zipping the same file takes: 100,000 and 1,000,000 words in paragraphs,
// 50,000 and 100,000 in one run, 100,000 and 300,000 with a field in every paragraph, and a
// document already marked. Prints the times, their ratio and the process's peak memory; then
// the 1,000,000 words again with dictionaries of 1,000 and 100,000 entries, and their ratio.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "db/origenes_datos.h"
#include "diccionario_generado.h"
#include "dictionary/diccionario_muestra.h"
#include "documento_docx.h"
#include "docx_generado.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "procesos_proc.h"
#include "registro_archivo.h"
#include "scan/frm_procesar.h"
#include "servicios_terminal.h"
#include "sesion_word.h"
#include "shell_xdg.h"

namespace {

using namespace quillora;
namespace fs = std::filesystem;
using Reloj = std::chrono::steady_clock;

double Segundos(Reloj::time_point desde) {
  return std::chrono::duration<double>(Reloj::now() - desde).count();
}

long PicoMiB() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return uso.ru_maxrss / 1024;
}

// The data source "Quillora" pointed at a SQLite database holding `diccionario`; called again,
// the same database file gets another dictionary.
void Origen(const fs::path& carpeta, const DiccionarioMuestra& diccionario) {
  const auto controlador = db::ControladorSqlite();
  if (!controlador) throw std::runtime_error("falta el controlador ODBC de SQLite");
  const auto base = carpeta / "diccionario.db";
  fs::remove(base);
  diccionario.CrearBaseSqlite(base, *controlador);
  std::ofstream(carpeta / "odbc.ini") << "[Quillora]\nDriver=" << *controlador
                                      << "\nDatabase=" << db::BaseSqlite(base) << "\nStepAPI=1\n";
  setenv("ODBCINI", (carpeta / "odbc.ini").c_str(), 1);
}

// Every part read and written again into a new archive, compressed as a .docx is.
double Rezipear(const fs::path& entrada, const fs::path& salida) {
  const auto inicio = Reloj::now();
  int error = 0;
  zip_t* origen = zip_open(entrada.c_str(), ZIP_RDONLY, &error);
  zip_t* destino = zip_open(salida.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  std::vector<std::string> partes(static_cast<size_t>(zip_get_num_entries(origen, 0)));
  for (zip_uint64_t i = 0; i < partes.size(); ++i) {
    zip_stat_t estado;
    zip_stat_index(origen, i, 0, &estado);
    partes[i].resize(estado.size);
    zip_file_t* parte = zip_fopen_index(origen, i, 0);
    zip_fread(parte, partes[i].data(), estado.size);
    zip_fclose(parte);
    zip_file_add(destino, estado.name,
                 zip_source_buffer(destino, partes[i].data(), partes[i].size(), 0), 0);
  }
  zip_close(destino);
  zip_close(origen);
  return Segundos(inicio);
}

struct Resultado {
  double segundos;
  std::size_t marcas;
};

Resultado Procesar(const fs::path& entrada, const fs::path& salida, SesionWord& sesion,
                   const terminal::ServiciosTerminal& servicios) {
  const auto inicio = Reloj::now();
  auto docx = docx::DocumentoDocx::Abrir(entrada);
  const auto documento = docx.Documento();
  sesion.Abrir(documento);
  const int mensajes = servicios.GetMensajesMostrados();
  sesion.Pulsar(BotonQuillora::Procesar);
  // A run that stops says why in a message, and the command then writes nothing.
  if (servicios.GetMensajesMostrados() != mensajes) {
    sesion.Cerrar(documento);
    throw docx::ErrorDocx("el proceso se detuvo con el mensaje de arriba");
  }
  docx.Guardar(salida);
  const double segundos = Segundos(inicio);
  std::size_t marcas = 0;
  for (const auto& comentario : documento->CommentList()) {
    marcas += comentario->initials == kIniciales ? 1 : 0;
  }
  sesion.Cerrar(documento);
  return {segundos, marcas};
}

// Runs `cuerpo` in a child process, as a fresh run of the command would start, and answers what
// it answered: the seconds measured, or nothing when the run was refused or the child failed.
std::optional<double> EnProcesoPropio(const std::function<std::optional<double>()>& cuerpo) {
  std::fflush(stdout);
  int tubo[2];
  if (pipe(tubo) != 0) throw std::runtime_error("no se pudo crear una tubería");
  const pid_t hijo = fork();
  if (hijo < 0) throw std::runtime_error("no se pudo crear un proceso");
  if (hijo == 0) {
    close(tubo[0]);
    const double segundos = cuerpo().value_or(-1);
    std::fflush(stdout);
    const bool escrito = write(tubo[1], &segundos, sizeof segundos) == sizeof segundos;
    _exit(escrito ? 0 : 1);
  }
  close(tubo[1]);
  double segundos = -1;
  const bool leido = read(tubo[0], &segundos, sizeof segundos) == sizeof segundos;
  close(tubo[0]);
  int estado = 0;
  waitpid(hijo, &estado, 0);
  if (!leido || !WIFEXITED(estado) || WEXITSTATUS(estado) != 0 || segundos < 0) return std::nullopt;
  return segundos;
}

// Word with the add-in started on the data source, the document processed, and Word closed.
std::optional<double> ProcesarEnWord(const fs::path& carpeta, const fs::path& entrada,
                                     const fs::path& salida, const std::string& etiqueta,
                                     double rezip) {
  terminal::ServiciosTerminal servicios(std::cerr, false);
  posix::RegistroArchivo registro(carpeta / "sin-ajustes.reg");
  posix::ShellXdg shell("true");
  posix::ProcesosProc procesos;
  SesionWord sesion(servicios, {registro, shell, procesos});
  sesion.Iniciar();
  std::optional<double> segundos;
  try {
    const auto resultado = Procesar(entrada, salida, sesion, servicios);
    segundos = resultado.segundos;
    if (rezip > 0) {
      std::printf("%s %12.3f %10.3f %9.2f %8zu %11ld\n", etiqueta.c_str(), resultado.segundos,
                  rezip, resultado.segundos / rezip, resultado.marcas, PicoMiB());
    } else {
      std::printf("%s %12.3f %8zu\n", etiqueta.c_str(), resultado.segundos, resultado.marcas);
    }
  } catch (const docx::ErrorDocx& rechazo) {
    // The memory bound refuses it: said as the program would say it.
    std::printf("%s rechazado: %s\n", etiqueta.c_str(), rechazo.what());
  }
  sesion.Terminar();
  return segundos;
}

}  // namespace

int main() {
  const fs::path carpeta =
      fs::temp_directory_path() / ("procesar_bench_" + std::to_string(getpid()));
  fs::create_directories(carpeta);
  Origen(carpeta, DiccionarioMuestra::Incorporado());
  // Each case, and each re-zip beside it, runs in a process of its own, so that its time and peak
  // are those of a fresh run.
  // "marcado" runs again over the first case's output: every mark there is deleted and written
  // again.
  struct Caso {
    const char* nombre;
    int palabras;
    bench::Forma forma;
    bool marcado;
  };
  const std::vector<Caso> casos = {{"párrafos", 100'000, bench::Forma::Parrafos, false},
                                   {"marcado", 100'000, bench::Forma::Parrafos, true},
                                   {"campos", 100'000, bench::Forma::Campos, false},
                                   {"campos", 300'000, bench::Forma::Campos, false},
                                   {"un run", 50'000, bench::Forma::UnRun, false},
                                   {"un run", 100'000, bench::Forma::UnRun, false},
                                   {"párrafos", 1'000'000, bench::Forma::Parrafos, false}};
  std::printf("%-10s %10s %12s %10s %9s %8s %11s\n", "caso", "palabras", "proceso (s)", "rezip (s)",
              "relación", "marcas", "pico (MiB)");
  const auto marcado = carpeta / "marcado.docx";
  for (const auto& caso : casos) {
    const auto entrada = caso.marcado ? carpeta / "otra-vez.docx"
                                      : carpeta / ("p" + std::to_string(caso.palabras) + ".docx");
    if (caso.marcado) {
      fs::copy_file(marcado, entrada, fs::copy_options::overwrite_existing);
    } else {
      bench::EscribirDocxGenerado(entrada, caso.palabras, caso.forma);
    }
    const double rezip =
        EnProcesoPropio([&] { return Rezipear(entrada, carpeta / "rezip.docx"); }).value_or(0);
    char etiqueta[64];
    std::snprintf(etiqueta, sizeof etiqueta, "%-10s %10d", caso.nombre, caso.palabras);
    EnProcesoPropio([&] { return ProcesarEnWord(carpeta, entrada, marcado, etiqueta, rezip); });
  }

  // The largest document against dictionaries of 1,000 and 100,000 entries shaped like the
  // sample; the dictionary is loaded at start-up, outside the time measured.
  std::printf("\n%12s %12s %8s\n", "entradas", "proceso (s)", "marcas");
  std::vector<double> tiempos;
  for (const int entradas : {1'000, 100'000}) {
    Origen(carpeta, bench::DiccionarioGenerado(entradas));
    char etiqueta[32];
    std::snprintf(etiqueta, sizeof etiqueta, "%12d", entradas);
    if (const auto segundos = EnProcesoPropio([&] {
          return ProcesarEnWord(carpeta, carpeta / "p1000000.docx", marcado, etiqueta, 0);
        })) {
      tiempos.push_back(*segundos);
    }
  }
  if (tiempos.size() == 2)
    std::printf("relación 100.000 / 1.000 entradas: %.2f\n", tiempos[1] / tiempos[0]);
  fs::remove_all(carpeta);
  return 0;
}
