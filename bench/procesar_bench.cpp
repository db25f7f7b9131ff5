// The processing run with the sample dictionary, as the command runs it (Word with the add-in,
// its first button), from opening a generated .docx to the saved marked copy, beside the time
// that unzipping and re-zipping the same file takes: 100,000 and 1,000,000 words in paragraphs,
// 50,000 and 100,000 in one run, 100,000 and 300,000 with a field in every paragraph, and a
// document already marked. Prints the times, their ratio and the process's peak memory; then
// the 1,000,000 words again with dictionaries of 1,000 and 100,000 entries, and their ratio.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

#ifdef QUILLORA_CON_JEMALLOC
#include <jemalloc/jemalloc.h>
#endif

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
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

// What a child run answers on its standard output: the seconds, and for a processing run the
// marks and peak; or the reason it was refused.
struct Medida {
  double segundos = 0;
  std::size_t marcas = 0;
  long picoMiB = 0;
  std::string rechazo;
};

// Runs this program again with `argumentos` and reads its answer: each case starts in a fresh
// process, as a run of the command does, with nothing left in the heap by the cases before it.
std::optional<Medida> EnProcesoPropio(const std::vector<std::string>& argumentos) {
  std::fflush(stdout);
  int tubo[2];
  if (pipe(tubo) != 0) throw std::runtime_error("no se pudo crear una tubería");
  posix_spawn_file_actions_t acciones;
  posix_spawn_file_actions_init(&acciones);
  posix_spawn_file_actions_adddup2(&acciones, tubo[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&acciones, tubo[0]);
  std::string programa = fs::read_symlink("/proc/self/exe");
  std::vector<char*> argv{programa.data()};
  auto copia = argumentos;
  for (auto& argumento : copia) argv.push_back(argumento.data());
  argv.push_back(nullptr);
  pid_t hijo = 0;
  const int error = posix_spawn(&hijo, programa.c_str(), &acciones, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&acciones);
  close(tubo[1]);
  std::string respuesta;
  char bloque[256];
  for (ssize_t leidos; error == 0 && (leidos = read(tubo[0], bloque, sizeof bloque)) > 0;) {
    respuesta.append(bloque, static_cast<std::size_t>(leidos));
  }
  close(tubo[0]);
  if (error != 0) throw std::runtime_error("no se pudo crear un proceso");
  int estado = 0;
  waitpid(hijo, &estado, 0);
  if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) return std::nullopt;
  Medida medida;
  if (respuesta.starts_with("rechazado: ")) {
    medida.rechazo = respuesta.substr(11);
  } else if (std::sscanf(respuesta.c_str(), "%lf %zu %ld", &medida.segundos, &medida.marcas,
                         &medida.picoMiB) < 1) {
    return std::nullopt;
  }
  return medida;
}

// Word with the add-in started on the data source, the document processed, and Word closed;
// the answer for `EnProcesoPropio` is printed. The data source is the one `Origen` set.
void ProcesarEnWord(const fs::path& carpeta, const fs::path& entrada, const fs::path& salida) {
  terminal::ServiciosTerminal servicios(std::cerr, false);
  posix::RegistroArchivo registro(carpeta / "sin-ajustes.reg");
  posix::ShellXdg shell("true");
  posix::ProcesosProc procesos;
  SesionWord sesion(servicios, {registro, shell, procesos});
  sesion.Iniciar();
  try {
    const auto resultado = Procesar(entrada, salida, sesion, servicios);
    std::printf("%.6f %zu %ld\n", resultado.segundos, resultado.marcas, PicoMiB());
  } catch (const docx::ErrorDocx& rechazo) {
    // The memory bound refuses it: said as the program would say it.
    std::printf("rechazado: %s\n", rechazo.what());
  }
  sesion.Terminar();
}

// Whether every word of an entry is one the generated documents use: the smaller dictionary keeps
// such entries, so that both sizes find the same terms and only their size differs.
bool TerminoDelDocumento(const std::string& entrada) {
  std::istringstream palabras(entrada);
  for (std::string palabra; palabras >> palabra;) {
    std::transform(palabra.begin(), palabra.end(), palabra.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (!bench::EsPalabraGenerada(palabra)) return false;
  }
  return true;
}

// Which allocator the figures were taken on, as the command is linked.
void ImprimirAsignador() {
#ifdef QUILLORA_CON_JEMALLOC
  const char* paginas = nullptr;
  std::size_t largo = sizeof paginas;
  if (mallctl("opt.thp", &paginas, &largo, nullptr, 0) == 0) {
    std::printf("asignador: jemalloc, thp:%s\n\n", paginas);
    return;
  }
#endif
  std::printf("asignador: el de la biblioteca de C\n\n");
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> argumentos(argv + 1, argv + argc);
  if (argumentos.size() == 3 && argumentos[0] == "--rezip") {
    std::printf("%.6f\n", Rezipear(argumentos[1], argumentos[2]));
    return 0;
  }
  if (argumentos.size() == 4 && argumentos[0] == "--procesar") {
    ProcesarEnWord(argumentos[1], argumentos[2], argumentos[3]);
    return 0;
  }

  ImprimirAsignador();
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
    const auto rezip = EnProcesoPropio({"--rezip", entrada, carpeta / "rezip.docx"});
    const auto medida = EnProcesoPropio({"--procesar", carpeta, entrada, marcado});
    std::printf("%-10s %10d ", caso.nombre, caso.palabras);
    if (!rezip || !medida) {
      std::printf("falló\n");
    } else if (!medida->rechazo.empty()) {
      std::printf("rechazado: %s", medida->rechazo.c_str());
    } else {
      std::printf("%12.3f %10.3f %9.2f %8zu %11ld\n", medida->segundos, rezip->segundos,
                  medida->segundos / rezip->segundos, medida->marcas, medida->picoMiB);
    }
  }

  // The largest document against dictionaries of 1,000 and 100,000 entries shaped like the
  // sample; the dictionary is loaded at start-up, outside the time measured.
  std::printf("\n%12s %12s %8s\n", "entradas", "proceso (s)", "marcas");
  std::vector<double> tiempos;
  for (const int entradas : {1'000, 100'000}) {
    Origen(carpeta, bench::DiccionarioGenerado(entradas, TerminoDelDocumento));
    const auto medida =
        EnProcesoPropio({"--procesar", carpeta, carpeta / "p1000000.docx", marcado});
    std::printf("%12d ", entradas);
    if (!medida || !medida->rechazo.empty()) {
      std::printf("falló\n");
      continue;
    }
    std::printf("%12.3f %8zu\n", medida->segundos, medida->marcas);
    tiempos.push_back(medida->segundos);
  }
  if (tiempos.size() == 2)
    std::printf("relación 100.000 / 1.000 entradas: %.2f\n", tiempos[1] / tiempos[0]);
  fs::remove_all(carpeta);
  return 0;
}
