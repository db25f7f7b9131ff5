// Loads a dictionary of 20,000 entries with 60,000 alternatives into a GestionBD through the
// data source "Quillora", on SQLite and, when QUILLORA_PG_CONEXION names one, on PostgreSQL,
// reading the alternatives with one query per entry and with one query in all; prints the times.

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include "db/conexion.h"
#include "dictionary/carga_bd.h"
#include "dictionary/comun.h"
#include "dictionary/entradas.h"
#include "dictionary/esquema_bd.h"
#include "dictionary/gestion_bd.h"
#include "origen_bench.h"
#include "servicios_terminal.h"

namespace {

using namespace quillora;

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

}  // namespace

int main() { return bench::EnCadaMotor("carga_bench", Medir) == 0 ? 0 : 1; }
