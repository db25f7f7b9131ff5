// base_ciclo_vida BASE CONTROLADOR
// Writes the sample dictionary into a new SQLite database for the add-in's life tests. BASE is a
// path of the machine Wine runs on, and CONTROLADOR the SQLite ODBC driver there: Wine's ODBC
// hands the connection to that machine's driver manager.
#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "db/conexion.h"
#include "dictionary/diccionario_muestra.h"
#include "dictionary/esquema_bd.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "uso: base_ciclo_vida BASE CONTROLADOR\n";
    return 2;
  }
  try {
    auto conexion = std::make_shared<quillora::db::Conexion>();
    conexion->Open(std::string("Driver=") + argv[2] + ";Database=" + argv[1], "", "");
    quillora::esquema_bd::CrearEsquema(*conexion);
    quillora::DiccionarioMuestra::Incorporado().Guardar(conexion);
    conexion->Close();
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
