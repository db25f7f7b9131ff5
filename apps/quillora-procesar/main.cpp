// quillora-procesar: marks a .docx file with the dictionary, as the add-in's first button does.
//   quillora-procesar ENTRADA.docx [-o SALIDA.docx]
// Without -o the marks are written into ENTRADA.docx itself (atomically). Ctrl+C once stops the
// run and saves the marks written so far; twice stops at once, with nothing written.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "dictionary/carga_bd.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "documento_docx.h"
#include "interrupcion.h"
#include "marcar_documento.h"
#include "memory_application.h"
#include "origen_datos.h"
#include "servicios_terminal.h"

namespace {

using namespace quillora;

int Procesar(const std::filesystem::path& entrada, const std::filesystem::path& salida) {
  terminal::ServiciosTerminal servicios(std::cerr, isatty(STDERR_FILENO) == 1);
  posix::PrepararOrigenDatos();
  auto gestion = std::make_shared<GestionBD>();
  carga_bd::CargarDiccionario(*gestion, servicios);
  if (gestion->GetEntradas()->Count() == 0) {
    std::cerr << "quillora-procesar: el diccionario está vacío; no se ha marcado nada\n";
    return 1;
  }

  auto docx = docx::DocumentoDocx::Abrir(entrada);
  terminal::Interrupcion::Instalar();
  const auto word = std::make_shared<memory::MemoryApplication>();
  const auto resultado = MarcarDocumento(word, docx.Documento(), gestion, servicios);
  docx.Guardar(salida);
  std::cerr << "Quillora: " << resultado.marcas << (resultado.marcas == 1 ? " marca" : " marcas")
            << " en " << resultado.palabras << " palabras; guardado en " << salida.string()
            << (servicios.GetInterrumpido() ? " (proceso cancelado)" : "") << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Marca con Quillora el lenguaje no inclusivo de un documento .docx"};
  std::filesystem::path entrada;
  std::filesystem::path salida;
  app.add_option("ENTRADA", entrada, "Documento .docx que se va a marcar")->required();
  app.add_option("-o,--salida", salida, "Documento .docx marcado (por omisión, el de entrada)");
  CLI11_PARSE(app, argc, argv);
  if (salida.empty()) salida = entrada;
  try {
    return Procesar(entrada, salida);
  } catch (const std::exception& error) {
    std::cerr << "quillora-procesar: " << error.what() << '\n';
    return 1;
  }
}
