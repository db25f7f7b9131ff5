// quillora: Quillora over .docx files. Each subcommand plays Word's part: it loads the add-in,
// opens the document, presses the add-in's button and saves, as a user would in Word.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "cli_espanol.h"
#include "ordenes.h"

namespace {

using namespace quillora;
namespace fs = std::filesystem;

constexpr int kUsoIncorrecto = 2;

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Quillora marca el lenguaje sexista y no inclusivo de los documentos .docx"};
  app.name("quillora");
  ConfigurarEnEspanol(app);
  app.set_version_flag("--version", "quillora " QUILLORA_VERSION, "Muestra la versión y termina");
  app.require_subcommand(1);

  fs::path entrada;
  fs::path salida;
  bool json = false;
  const auto documento = [&](CLI::App* orden, const char* descripcion) {
    orden->add_option("DOC", entrada, descripcion)->required()->type_name("");
  };
  const auto conSalida = [&](CLI::App* orden) {
    orden->add_option("-o,--salida", salida, "Dónde guardar el resultado (por omisión, DOC)")
        ->type_name("SALIDA.docx");
  };

  auto* procesar = app.add_subcommand(
      "procesar", "Marca con un comentario de Quillora cada término del diccionario");
  documento(procesar, "Documento que se va a marcar");
  conSalida(procesar);
  auto* marcas = app.add_subcommand("marcas", "Lista las marcas de Quillora del documento");
  documento(marcas, "Documento marcado");
  marcas->add_flag("--json", json, "Las da como una lista JSON");
  auto* revisar = app.add_subcommand(
      "revisar", "Revisa en el terminal cada marca: cambiarla, omitirla o dejarla");
  documento(revisar, "Documento marcado");
  conSalida(revisar);
  auto* sesion = app.add_subcommand(
      "sesion", "Una sesión del complemento guiada por órdenes leídas de la entrada estándar");
  documento(sesion, "Documento de la sesión");
  conSalida(sesion);
  sesion->footer(
      "Órdenes, una por línea: procesar, mostrar, ocultar, marcas, recargar, guardar [RUTA],\n"
      "revisar N, revisar N cambiar K, revisar N cambiar-todas K, revisar N omitir,\n"
      "revisar N omitir-todas, revisar N cerrar. Las líneas en blanco o que empiezan por #\n"
      "no cuentan. Al final se guarda el documento.");
  auto* ocultar = app.add_subcommand(
      "ocultar", "Oculta las marcas; en un .docx, que no tiene vistas por revisor, las elimina");
  documento(ocultar, "Documento marcado");
  conSalida(ocultar);
  auto* mostrar = app.add_subcommand("mostrar", "Muestra las marcas ocultas");
  documento(mostrar, "Documento marcado");
  auto* sugerencia =
      app.add_subcommand("sugerencia", "Abre un correo nuevo para enviar una sugerencia");
  auto* ayuda = app.add_subcommand("ayuda", "Abre la ayuda de Quillora");
  auto* diccionario =
      app.add_subcommand("diccionario", "La base de datos del diccionario (origen «Quillora»)");
  diccionario->require_subcommand(1);
  auto* info = diccionario->add_subcommand(
      "info", "Muestra el origen de datos, el motor y el tamaño del diccionario");
  auto* esquema =
      diccionario->add_subcommand("esquema", "Crea las tablas del diccionario en el origen");
  auto* muestra =
      diccionario->add_subcommand("muestra", "Carga el diccionario de muestra en tablas vacías");
  for (auto* grupo : {&app, diccionario}) {
    for (auto* orden : grupo->get_subcommands({})) {
      orden->group("Órdenes");
      // A subcommand makes its help flag before it takes the group of its options.
      orden->get_help_ptr()->group("Opciones");
    }
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return 0;
  } catch (const CLI::CallForVersion& version) {
    std::cout << version.what() << '\n';
    return 0;
  } catch (const CLI::ParseError& error) {
    std::cerr << "quillora: " << MensajeDeUso(app, error) << '\n'
              << "Use --help para más información.\n";
    return kUsoIncorrecto;
  }

  if (salida.empty()) salida = entrada;
  try {
    if (procesar->parsed()) return ordenes::Procesar(entrada, salida);
    if (marcas->parsed()) return ordenes::Marcas(entrada, json);
    if (revisar->parsed()) return ordenes::Revisar(entrada, salida);
    if (sesion->parsed()) return ordenes::Sesion(entrada, salida);
    if (ocultar->parsed()) return ordenes::Ocultar(entrada, salida);
    if (mostrar->parsed()) return ordenes::Mostrar(entrada);
    if (sugerencia->parsed()) return ordenes::Sugerencia();
    if (ayuda->parsed()) return ordenes::Ayuda();
    if (info->parsed()) return ordenes::DiccionarioInfo();
    if (esquema->parsed()) return ordenes::DiccionarioEsquema();
    if (muestra->parsed()) return ordenes::DiccionarioCargarMuestra();
    return ordenes::kFallo;
  } catch (const std::exception& error) {
    std::cerr << "quillora: " << error.what() << '\n';
    return ordenes::kFallo;
  }
}
