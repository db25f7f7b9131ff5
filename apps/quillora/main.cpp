// quillora: Quillora over .docx files. Each subcommand plays Word's part: it loads the add-in,
// opens the document, presses the add-in's button and saves, as a user would in Word.
#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli_espanol.h"
#include "common/error_sistema.h"
#include "editor/dialogo_bd.h"
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
  bool marcarTodo = false;
  procesar->add_flag("--marcar-todo", marcarTodo,
                     "Marca también los desdoblamientos y los términos seguidos del nombre de la "
                     "persona (como el ajuste «MarcarDesdobles» con valor 1)");
  procesar->footer(
      "Se dejan sin marcar los términos que ya nombran a los dos sexos en un desdoblamiento\n"
      "(«los alumnos y las alumnas», «padres y madres», en cualquier orden y con y, e, o, u),\n"
      "porque esa es la forma inclusiva que se recomienda, y el término en singular seguido del\n"
      "nombre de la persona de la que habla («El director del colegio, Andrés Gil, se jubila»),\n"
      "porque nombra a un hombre concreto y no es un genérico. --marcar-todo, o el ajuste\n"
      "«MarcarDesdobles» con valor 1, los marca también.");
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

  auto* entradas = app.add_subcommand("entradas", "Las entradas del diccionario");
  entradas->require_subcommand(1);
  auto* alternativas =
      app.add_subcommand("alternativas", "Las alternativas de las entradas del diccionario");
  alternativas->require_subcommand(1);
  auto* clases =
      app.add_subcommand("clases", "Las clasificaciones morfológicas y sexistas, con sus números");
  clases->add_flag("--json", json, "Las da como un objeto JSON");

  ordenes::FiltroEntradas filtro;
  ordenes::DatosEntrada datos;
  std::int32_t id = 0;
  std::vector<std::int32_t> ids;
  std::string texto;
  std::optional<std::string> textoOpcional;
  std::optional<std::string> contexto;
  bool si = false;
  bool sinMorfologia = false;
  bool sinSexismo = false;
  const auto clase = [](CLI::App* orden, std::optional<std::string>& destino, const char* nombre,
                        const char* descripcion) {
    return orden->add_option(nombre, destino, descripcion)->type_name("NOMBRE");
  };
  const auto numero = [&](CLI::App* orden, const char* descripcion) {
    orden->add_option("ID", id, descripcion)->required()->type_name("");
  };
  const auto numeros = [&](CLI::App* orden, const char* descripcion) {
    orden->add_option("ID", ids, descripcion)->required()->type_name("");
    orden->add_flag("--si", si, "Responde que sí a la pregunta de confirmación");
  };

  auto* buscar = entradas->add_subcommand(
      "buscar",
      "Busca entradas por un fragmento de su texto (con o sin acentos; * y ? comodines) "
      "y por clasificación; sin filtros, las lista todas");
  buscar->add_option("TEXTO", filtro.texto, "Fragmento del texto de la entrada")->type_name("");
  clase(buscar, filtro.morfologia, "--morfologia", "Solo las de esta clasificación morfológica");
  clase(buscar, filtro.sexismo, "--sexismo", "Solo las de esta clasificación sexista");
  buscar->add_flag("--json", json, "Las da como un objeto JSON");
  auto* ver = entradas->add_subcommand("ver", "Muestra una entrada con sus alternativas");
  numero(ver, "Número de la entrada");
  ver->add_flag("--json", json, "La da como un objeto JSON");
  const auto datosEntrada = [&](CLI::App* orden) {
    clase(orden, datos.morfologia, "--morfologia", "Clasificación morfológica");
    clase(orden, datos.sexismo, "--sexismo", "Clasificación sexista");
    orden->add_option("--comentario", datos.comentario, "Comentario, en texto sin formato")
        ->type_name("TEXTO");
  };
  auto* crear = entradas->add_subcommand("crear", "Crea una entrada y escribe su número");
  crear->add_option("TEXTO", texto, "Texto de la entrada")->required()->type_name("");
  datosEntrada(crear);
  auto* modificar = entradas->add_subcommand("modificar", "Cambia una entrada");
  numero(modificar, "Número de la entrada");
  modificar->add_option("--texto", datos.texto, "Nuevo texto")->type_name("TEXTO");
  datosEntrada(modificar);
  modificar->add_flag("--sin-morfologia", sinMorfologia, "Quita la clasificación morfológica")
      ->excludes("--morfologia");
  modificar->add_flag("--sin-sexismo", sinSexismo, "Quita la clasificación sexista")
      ->excludes("--sexismo");
  auto* eliminar =
      entradas->add_subcommand("eliminar", "Elimina entradas con todas sus alternativas");
  numeros(eliminar, "Números de las entradas");
  auto* copiar = entradas->add_subcommand(
      "copiar", "Escribe el resumen de «Copiar sugerencia» y lo copia al portapapeles");
  numero(copiar, "Número de la entrada");

  auto* crearAlternativa =
      alternativas->add_subcommand("crear", "Añade una alternativa y escribe su número");
  crearAlternativa->add_option("ID_ENTRADA", id, "Número de la entrada")->required()->type_name("");
  crearAlternativa->add_option("TEXTO", texto, "Texto de la alternativa")
      ->required()
      ->type_name("");
  crearAlternativa->add_option("--contexto", contexto, "Contexto en que se aplica")
      ->type_name("TEXTO");
  auto* modificarAlternativa = alternativas->add_subcommand("modificar", "Cambia una alternativa");
  numero(modificarAlternativa, "Número de la alternativa");
  modificarAlternativa->add_option("--texto", textoOpcional, "Nuevo texto")->type_name("TEXTO");
  modificarAlternativa->add_option("--contexto", contexto, "Nuevo contexto")->type_name("TEXTO");
  auto* eliminarAlternativa = alternativas->add_subcommand("eliminar", "Elimina alternativas");
  numeros(eliminarAlternativa, "Números de las alternativas");

  for (auto* grupo : {&app, diccionario, entradas, alternativas}) {
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
    if (procesar->parsed()) return ordenes::Procesar(entrada, salida, marcarTodo);
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
    if (sinMorfologia) datos.morfologia = editor::kNinguno;
    if (sinSexismo) datos.sexismo = editor::kNinguno;
    if (buscar->parsed()) return ordenes::EntradasBuscar(filtro, json);
    if (ver->parsed()) return ordenes::EntradasVer(id, json);
    if (crear->parsed()) {
      datos.texto = texto;
      return ordenes::EntradasCrear(datos);
    }
    if (modificar->parsed()) return ordenes::EntradasModificar(id, datos);
    if (eliminar->parsed()) return ordenes::EntradasEliminar(ids, si);
    if (copiar->parsed()) return ordenes::EntradasCopiar(id);
    if (crearAlternativa->parsed()) return ordenes::AlternativasCrear(id, texto, contexto);
    if (modificarAlternativa->parsed()) {
      return ordenes::AlternativasModificar(id, textoOpcional, contexto);
    }
    if (eliminarAlternativa->parsed()) return ordenes::AlternativasEliminar(ids, si);
    if (clases->parsed()) return ordenes::Clases(json);
    return ordenes::kFallo;
  } catch (const std::exception& error) {
    std::cerr << "quillora: " << comun::MensajeEspanol(error) << '\n';
    return ordenes::kFallo;
  }
}
