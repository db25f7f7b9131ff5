#include "origen_bench.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "db/conexion.h"
#include "db/origenes_datos.h"

namespace quillora::bench {

namespace {

namespace fs = std::filesystem;

// The data source "Quillora" as a user's odbc.ini would define it.
void ApuntarOrigen(const fs::path& carpeta, const std::string& seccion) {
  std::ofstream(carpeta / "odbc.ini") << "[Quillora]\n" << seccion;
  setenv("ODBCINI", (carpeta / "odbc.ini").c_str(), 1);
}

std::string Sqlite(const fs::path& carpeta) {
  const auto controlador = db::ControladorSqlite();
  if (!controlador) throw std::runtime_error("no está instalado el controlador ODBC de SQLite");
  const auto archivo = carpeta / "bench.db";
  const auto base = db::BaseSqlite(archivo);
  ApuntarOrigen(carpeta, "Driver=" + *controlador + "\nDatabase=" + base + "\nStepAPI=1\n");
  return "Driver=" + *controlador + ";Database=" + base + ";StepAPI=1";
}

std::string Postgresql(const fs::path& carpeta) {
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
  return cadena;
}

int EnHijo(const std::string& programa, void (*cuerpo)(const char*, const std::string&),
           const char* motor, std::string (*preparar)(const fs::path&), const fs::path& carpeta) {
  std::fflush(stdout);
  const pid_t hijo = fork();
  if (hijo == 0) {
    try {
      cuerpo(motor, preparar(carpeta));
      std::fflush(stdout);
      _exit(0);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "%s: %s\n", programa.c_str(), error.what());
      _exit(1);
    }
  }
  int estado = 0;
  waitpid(hijo, &estado, 0);
  return WIFEXITED(estado) ? WEXITSTATUS(estado) : 1;
}

}  // namespace

int EnCadaMotor(const std::string& programa,
                void (*cuerpo)(const char* motor, const std::string& cadena)) {
  const std::string plantilla = "/tmp/" + programa + "-XXXXXX";
  std::string nombre = plantilla;
  const fs::path carpeta = mkdtemp(nombre.data());
  int fallos = EnHijo(programa, cuerpo, "SQLite", Sqlite, carpeta);
  if (std::getenv("QUILLORA_PG_CONEXION") != nullptr) {
    fallos += EnHijo(programa, cuerpo, "PostgreSQL", Postgresql, carpeta);
  } else {
    std::printf("PostgreSQL: sin medir (ejecute con scripts/con-postgres)\n");
  }
  fs::remove_all(carpeta);
  return fallos;
}

}  // namespace quillora::bench
