// The dictionary database: what is in use, its tables, the sample dictionary.
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
#include "escritorio_terminal.h"
#include "ordenes.h"
#include "origen_datos.h"

namespace quillora::ordenes {

namespace {

std::string DescribirOrigen(const posix::OrigenDatos& origen) {
  if (!origen.embebido) return "Quillora (definido en la configuración ODBC)";
  return "Quillora (incorporado: " + origen.baseDatos.string() + ")";
}

// Closes the shared connection however the work ends.
struct ConexionCompartida {
  ConexionCompartida() { comun::Conectar(); }
  ~ConexionCompartida() { comun::Desconectar(); }
  ConexionCompartida(const ConexionCompartida&) = delete;
  ConexionCompartida& operator=(const ConexionCompartida&) = delete;
};

}  // namespace

int DiccionarioInfo() {
  const auto origen = PrepararOrigen();
  std::string motor;
  {
    ConexionCompartida conexion;
    motor = comun::Conexion()->GetNombreMotor();
  }
  terminal::ServiciosTerminal servicios(std::cerr, false);
  GestionBD gestion;
  carga_bd::CargarDiccionario(gestion, servicios);
  if (servicios.GetMensajesMostrados() > 0) {
    std::cerr << "quillora: no se ha podido leer el diccionario de " << DescribirOrigen(origen)
              << '\n';
    return kFallo;
  }
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
  return kHecho;
}

int DiccionarioEsquema() {
  PrepararOrigen();
  ConexionCompartida conexion;
  esquema_bd::CrearEsquema(*comun::Conexion());
  std::cout << "Se han creado las tablas del diccionario.\n";
  return kHecho;
}

int DiccionarioCargarMuestra() {
  const auto& muestra = DiccionarioMuestra::Incorporado();
  if (const auto problemas = muestra.Problemas(); !problemas.empty()) {
    for (const auto& problema : problemas) std::cerr << "quillora: " << problema << '\n';
    return kFallo;
  }
  PrepararOrigen();
  ConexionCompartida conexion;
  db::Recordset existentes;
  existentes.SetActiveConnection(comun::Conexion());
  existentes.Open("SELECT IdEntrada FROM Entrada", db::TipoCursor::SoloAvance,
                  db::TipoBloqueo::Optimista);
  const bool vacio = existentes.GetEOF();
  existentes.Close();
  if (!vacio) {
    std::cerr << "quillora: el diccionario ya tiene entradas; la muestra solo se carga en tablas "
                 "vacías\n";
    return kFallo;
  }
  muestra.Guardar(comun::Conexion());
  std::cout << "Se ha cargado el diccionario de muestra: " << muestra.entradas.size()
            << " entradas.\n";
  return kHecho;
}

}  // namespace quillora::ordenes
