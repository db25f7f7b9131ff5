// quillora-db: the dictionary database from the command line.
//   quillora-db [info]   which data source and engine are in use, and the dictionary's size
//   quillora-db esquema  creates the dictionary's tables on the data source "Quillora"
//   quillora-db muestra  loads the sample dictionary into those (empty) tables

#include <CLI/CLI.hpp>
#include <iostream>

#include "db/conexion.h"
#include "db/recordset.h"
#include "dictionary/carga_bd.h"
#include "dictionary/comun.h"
#include "dictionary/determinantes.h"
#include "dictionary/diccionario_muestra.h"
#include "dictionary/entrada.h"
#include "dictionary/entradas.h"
#include "dictionary/esquema_bd.h"
#include "dictionary/gestion_bd.h"
#include "dictionary/morfologias.h"
#include "dictionary/sexismos.h"
#include "dictionary/sustitutos.h"
#include "origen_datos.h"
#include "servicios_terminal.h"

namespace {

using namespace quillora;

std::string DescribirOrigen(const posix::OrigenDatos& origen) {
  if (!origen.embebido) return "Quillora (definido en la configuración ODBC)";
  return "Quillora (incorporado: " + origen.baseDatos.string() + ")";
}

int Info(const posix::OrigenDatos& origen) {
  comun::Conectar();
  const std::string motor = comun::Conexion()->GetNombreMotor();
  comun::Desconectar();

  terminal::ServiciosTerminal servicios(std::cerr, false);
  GestionBD gestion;
  carga_bd::CargarDiccionario(gestion, servicios);
  long sustitutos = 0;
  for (const auto& entrada : gestion.GetEntradas()->NewEnum()) {
    sustitutos += entrada->GetSustitutos()->Count();
  }
  std::cout << "Origen de datos: " << DescribirOrigen(origen) << '\n'
            << "Motor: " << motor << '\n'
            << "Diccionario: " << gestion.GetEntradas()->Count() << " entradas, " << sustitutos
            << " alternativas, " << gestion.GetMorfologias()->Count() << " clases morfológicas, "
            << gestion.GetSexismos()->Count() << " clases de sexismo, "
            << gestion.GetDeterminantes()->Count() << " determinantes\n";
  return 0;
}

int Esquema() {
  comun::Conectar();
  esquema_bd::CrearEsquema(*comun::Conexion());
  comun::Desconectar();
  std::cout << "Se han creado las tablas del diccionario.\n";
  return 0;
}

int Muestra() {
  const auto& muestra = DiccionarioMuestra::Incorporado();
  if (const auto problemas = muestra.Problemas(); !problemas.empty()) {
    for (const auto& problema : problemas) std::cerr << problema << '\n';
    return 1;
  }
  comun::Conectar();
  db::Recordset existentes;
  existentes.SetActiveConnection(comun::Conexion());
  existentes.Open("SELECT IdEntrada FROM Entrada", db::TipoCursor::SoloAvance,
                  db::TipoBloqueo::Optimista);
  const bool vacio = existentes.GetEOF();
  existentes.Close();
  if (!vacio) {
    comun::Desconectar();
    std::cerr << "El diccionario ya tiene entradas; la muestra solo se carga en tablas vacías.\n";
    return 1;
  }
  muestra.Guardar(comun::Conexion());
  comun::Desconectar();
  std::cout << "Se ha cargado el diccionario de muestra: " << muestra.entradas.size()
            << " entradas.\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Base de datos del diccionario de Quillora"};
  app.require_subcommand(0, 1);
  app.add_subcommand("info", "Muestra el origen de datos, el motor y el tamaño del diccionario");
  auto* esquema =
      app.add_subcommand("esquema", "Crea las tablas del diccionario en el origen de datos");
  auto* muestra =
      app.add_subcommand("muestra", "Carga el diccionario de muestra en las tablas vacías");
  CLI11_PARSE(app, argc, argv);
  try {
    const auto origen = posix::PrepararOrigenDatos();
    if (origen.recienCreado) {
      std::cerr << "No hay ningún origen de datos «Quillora» configurado: se ha creado el "
                   "diccionario incorporado en "
                << origen.baseDatos.string() << '\n';
    }
    if (esquema->parsed()) return Esquema();
    if (muestra->parsed()) return Muestra();
    return Info(origen);
  } catch (const std::exception& error) {
    comun::Desconectar();
    std::cerr << "quillora-db: " << error.what() << '\n';
    return 1;
  }
}
