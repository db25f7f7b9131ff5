// Loads a dictionary of 20,000 entries with 60,000 alternatives into a GestionBD through the
// data source "Quillora", on SQLite and, when QUILLORA_PG_CONEXION names one, on PostgreSQL,
// reading the alternatives with one query per entry and with one query in all; prints the times.
// Each engine runs in a child process: the driver manager keeps a data source's settings for the
// life of a process.

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "db/conexion.h"
#include "db/origenes_datos.h"
#include "dictionary/carga_bd.h"
#include "dictionary/comun.h"
#include "dictionary/entradas.h"
#include "dictionary/esquema_bd.h"
#include "dictionary/gestion_bd.h"
#include "servicios_terminal.h"

namespace {

using namespace quillora;
namespace fs = std::filesystem;

constexpr int kEntradas = 20'000;
constexpr int kSustitutosPorEntrada = 3;

// Rows go in by hundreds, in one transaction, so filling takes seconds rather than minutes.
void Llenar(db::Conexion& conexion) {
  esquema_bd::CrearEsquema(conexion);
  conexion.BeginTrans();
  conexion.Execute("INSERT INTO Morfologia VALUES (1, 'Sustantivo', 'Nombre')");
  conexion.Execute("INSERT INTO Sexismo VALUES (1, 'Masculino genérico', 'Uso genérico')");
  for (int desde = 1; desde <= kEntradas; desde += 100) {
    std::string entradas =
        "INSERT INTO Entrada (IdEntrada, Entrada, Etimologia, Morfologia, "
        "Sexismo) VALUES ";
    std::string sustitutos = "INSERT INTO Sustituto (Sustituto, Contexto, Entrada) VALUES ";
    for (int id = desde; id < desde + 100; ++id) {
      const auto n = std::to_string(id);
      entradas += (id == desde ? "" : ",") + std::string("(") + n + ", 'término número " + n +
                  "', '{\\rtf1 comentario " + n + "}', 1, 1)";
      for (int s = 0; s < kSustitutosPorEntrada; ++s) {
        sustitutos += (id == desde && s == 0 ? "" : ",") + std::string("('alternativa ") +
                      std::to_string(s) + " de " + n + "', 'contexto', " + n + ")";
      }
    }
    conexion.Execute(entradas);
    conexion.Execute(sustitutos);
  }
  conexion.CommitTrans();
}

void Medir(const char* motor, const std::string& cadena) {
  auto conexion = std::make_shared<db::Conexion>();
  conexion->Open(cadena);
  Llenar(*conexion);
  conexion->Close();

  terminal::ServiciosTerminal servicios(std::cerr, false);
  for (const auto lectura :
       {carga_bd::LecturaSustitutos::PorEntrada, carga_bd::LecturaSustitutos::EnUnaConsulta}) {
    GestionBD gestion;
    const auto inicio = std::chrono::steady_clock::now();
    carga_bd::CargarDiccionario(gestion, servicios, lectura);
    const std::chrono::duration<double> segundos = std::chrono::steady_clock::now() - inicio;
    std::printf("%-10s %-36s %6d entradas en %.3f s\n", motor,
                lectura == carga_bd::LecturaSustitutos::PorEntrada
                    ? "una consulta por entrada:"
                    : "todas las alternativas en una consulta:",
                gestion.GetEntradas()->Count(), segundos.count());
  }
}

// The data source "Quillora" as a user's odbc.ini would define it.
void ApuntarOrigen(const fs::path& carpeta, const std::string& seccion) {
  std::ofstream(carpeta / "odbc.ini") << "[Quillora]\n" << seccion;
  setenv("ODBCINI", (carpeta / "odbc.ini").c_str(), 1);
}

int EnHijo(void (*cuerpo)(const fs::path&), const fs::path& carpeta) {
  std::fflush(stdout);
  const pid_t hijo = fork();
  if (hijo == 0) {
    try {
      cuerpo(carpeta);
      std::fflush(stdout);
      _exit(0);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "carga_bench: %s\n", error.what());
      _exit(1);
    }
  }
  int estado = 0;
  waitpid(hijo, &estado, 0);
  return WIFEXITED(estado) ? WEXITSTATUS(estado) : 1;
}

void Sqlite(const fs::path& carpeta) {
  const auto controlador = db::ControladorSqlite();
  if (!controlador) throw std::runtime_error("no está instalado el controlador ODBC de SQLite");
  const auto archivo = carpeta / "bench.db";
  ApuntarOrigen(carpeta, "Driver=" + *controlador + "\nDatabase=" + archivo.string() + "\n");
  Medir("SQLite", "Driver=" + *controlador + ";Database=" + archivo.string());
}

void Postgresql(const fs::path& carpeta) {
  const std::string cadena = std::getenv("QUILLORA_PG_CONEXION");
  std::string seccion;
  for (size_t inicio = 0; inicio < cadena.size();) {
    const auto fin = std::min(cadena.find(';', inicio), cadena.size());
    const auto par = cadena.substr(inicio, fin - inicio);
    inicio = fin + 1;
    if (par.starts_with("Username=")) {
      seccion += "Pqopt=user=" + par.substr(9) + "\n";  // the program's UID= is empty
    } else if (!par.starts_with("Password=")) {
      seccion += par + "\n";
    }
  }
  ApuntarOrigen(carpeta, seccion);
  auto conexion = std::make_shared<db::Conexion>();
  conexion->Open(cadena);
  for (const char* tabla : {"Sustituto", "Entrada", "Determinante", "Sexismo", "Morfologia"}) {
    conexion->Execute(std::string("DROP TABLE IF EXISTS ") + tabla);
  }
  conexion->Close();
  Medir("PostgreSQL", cadena);
}

}  // namespace

int main() {
  char plantilla[] = "/tmp/quillora-carga-XXXXXX";
  const fs::path carpeta = mkdtemp(plantilla);
  int fallos = EnHijo(Sqlite, carpeta);
  if (std::getenv("QUILLORA_PG_CONEXION") != nullptr) {
    fallos += EnHijo(Postgresql, carpeta);
  } else {
    std::printf("PostgreSQL: sin medir (ejecute con scripts/con-postgres)\n");
  }
  fs::remove_all(carpeta);
  return fallos == 0 ? 0 : 1;
}
