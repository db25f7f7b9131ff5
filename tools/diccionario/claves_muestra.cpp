// claves_muestra DICCIONARIO.json SALIDA.tsv
// Lists the text key of every entry and alternative of a sample dictionary, one "text<TAB>key"
// line each, as this machine's case mapping makes it. A build for another system checks its own
// case mapping against the list.
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "dictionary/clave_texto.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Uso: claves_muestra DICCIONARIO.json SALIDA.tsv\n";
    return 2;
  }
  try {
    std::ifstream entrada(argv[1], std::ios::binary);
    if (!entrada) throw std::runtime_error(std::string("no se puede leer ") + argv[1]);
    const auto diccionario = nlohmann::json::parse(entrada);
    std::ofstream salida(argv[2], std::ios::binary | std::ios::trunc);
    auto escribir = [&](const std::string& texto) {
      salida << texto << '\t' << quillora::ClaveTexto(texto) << '\n';
    };
    for (const auto& entradaDiccionario : diccionario.at("entradas")) {
      escribir(entradaDiccionario.at("entrada").get<std::string>());
      for (const auto& sustituto : entradaDiccionario.at("sustitutos")) {
        escribir(sustituto.at("sustituto").get<std::string>());
      }
    }
    if (!salida.flush()) throw std::runtime_error(std::string("no se puede escribir ") + argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "claves_muestra: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
