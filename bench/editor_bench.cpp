// The dictionary browser over 20,000 entries shaped like the sample dictionary's (its texts,
// classes and comments, each taken again with a number after it): the window's load with its
// full listing, and searches by text and by class, on SQLite and, when QUILLORA_PG_CONEXION
// names one, on PostgreSQL; prints the times.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include "db/conexion.h"
#include "dictionary/comun.h"
#include "dictionary/diccionario_muestra.h"
#include "dictionary/esquema_bd.h"
#include "editor/frm_entradas.h"
#include "origen_bench.h"
#include "servicios_terminal.h"

namespace {

using namespace quillora;
using Reloj = std::chrono::steady_clock;

constexpr std::size_t kEntradas = 20'000;

DiccionarioMuestra Ampliada() {
  auto diccionario = DiccionarioMuestra::Incorporado();
  const auto muestra = diccionario.entradas;
  for (std::size_t i = muestra.size(); i < kEntradas; ++i) {
    auto entrada = muestra[i % muestra.size()];
    entrada.entrada += " " + std::to_string(i / muestra.size());
    diccionario.entradas.push_back(std::move(entrada));
  }
  return diccionario;
}

double Segundos(Reloj::time_point desde) {
  return std::chrono::duration<double>(Reloj::now() - desde).count();
}

void Medir(const char* motor, const std::string& cadena) {
  {
    auto conexion = std::make_shared<db::Conexion>();
    conexion->Open(cadena);
    esquema_bd::CrearEsquema(*conexion);
    Ampliada().Guardar(conexion);
    conexion->Close();
  }
  terminal::ServiciosTerminal servicios(std::cerr, false);
  frmEntradas navegador(servicios);
  auto inicio = Reloj::now();
  navegador.Load();
  std::printf("%-10s carga con el listado completo: %.3f s (%s)\n", motor, Segundos(inicio),
              navegador.lbNumeroEntradas.GetCaption().c_str());

  const auto buscar = [&](const char* que, const std::string& texto, std::size_t sexismo) {
    navegador.txtEntrada.SetText(texto);
    navegador.imcSexismo.SetSelectedItem(sexismo);
    const auto desde = Reloj::now();
    navegador.mnuSearchSearch.Pulsar();
    std::printf("%-10s búsqueda %-28s %.3f s (%s)\n", motor, que, Segundos(desde),
                navegador.lbNumeroBusqueda.GetCaption().c_str());
  };
  buscar("de «padre»:", "padre", 0);
  buscar("de «los*niños»:", "los*niños", 0);
  buscar("de «padre» en una clase:", "padre", 1);
  buscar("sin filtros:", "", 0);
  navegador.mnuFileExit.Pulsar();
  if (servicios.GetMensajesMostrados() > 0)
    throw std::runtime_error("el navegador avisó de un error");
}

}  // namespace

int main() { return bench::EnCadaMotor("editor_bench", Medir) == 0 ? 0 : 1; }
