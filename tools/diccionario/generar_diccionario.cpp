// generar_diccionario CARPETA SALIDA
// Writes the sample dictionary generated from the source lists of CARPETA (data/fuentes/) into
// the JSON file SALIDA, replacing it whole or leaving it as it was.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <system_error>

#include "fuentes.h"
#include "generador.h"

namespace {

void EscribirArchivo(const std::filesystem::path& salida, const std::string& texto) {
  auto temporal = salida;
  temporal += ".tmp";
  {
    std::ofstream archivo(temporal, std::ios::binary | std::ios::trunc);
    archivo << texto;
    if (!archivo.flush()) throw std::runtime_error("no se puede escribir " + temporal.string());
  }
  std::error_code error;
  std::filesystem::rename(temporal, salida, error);
  if (error) throw std::runtime_error("no se puede escribir " + salida.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Uso: generar_diccionario CARPETA_DE_FUENTES SALIDA.json\n";
    return 2;
  }
  try {
    namespace d = quillora::diccionario;
    EscribirArchivo(argv[2], d::Escribir(d::GenerarDiccionario(d::LeerCarpeta(argv[1]))));
  } catch (const std::exception& error) {
    std::cerr << "generar_diccionario: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
