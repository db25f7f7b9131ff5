#include "cli_espanol.h"

#include <memory>
#include <string_view>

namespace quillora {

namespace {

// The subcommand the user reached: the deepest one parsed.
const CLI::App& Alcanzada(const CLI::App& app) {
  for (const auto* sub : app.get_subcommands()) {
    if (sub->parsed()) return Alcanzada(*sub);
  }
  return app;
}

std::string NombreDe(const CLI::Option& opcion) {
  return opcion.get_positional() ? opcion.get_name(true, false) : opcion.get_name(false, true);
}

// The arguments an "extras" error lists after its colon.
std::string Sobrantes(const std::string& mensaje) {
  const auto dos = mensaje.find(": ");
  return dos == std::string::npos ? std::string() : mensaje.substr(dos + 2);
}

}  // namespace

void ConfigurarEnEspanol(CLI::App& app) {
  auto formato = std::make_shared<CLI::Formatter>();
  formato->label("Usage", "Uso");
  formato->label("OPTIONS", "OPCIONES");
  formato->label("SUBCOMMAND", "ORDEN");
  formato->label("SUBCOMMANDS", "ÓRDENES");
  formato->label("Positionals", "Argumentos");
  formato->label("REQUIRED", "(obligatorio)");
  formato->label("TEXT", "TEXTO");
  formato->label("Env", "Variable");
  formato->label("Needs", "Necesita");
  formato->label("Excludes", "Excluye");
  formato->column_width(32);
  app.formatter(formato);
  app.option_defaults()->group("Opciones");
  app.set_help_flag("-h,--help", "Muestra esta ayuda y termina");
}

std::string MensajeDeUso(const CLI::App& app, const CLI::ParseError& error) {
  const auto& alcanzada = Alcanzada(app);
  if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
    if (alcanzada.get_require_subcommand_min() > 0 && alcanzada.get_subcommands().empty()) {
      std::string ordenes;
      for (const auto* sub : alcanzada.get_subcommands({})) {
        ordenes += (ordenes.empty() ? "" : ", ") + sub->get_name();
      }
      return "falta la orden (una de: " + ordenes + ")";
    }
    for (const auto* opcion : alcanzada.get_options()) {
      if (opcion->get_required() && opcion->count() == 0) {
        return "falta el argumento obligatorio " + NombreDe(*opcion);
      }
    }
    return "falta un argumento obligatorio";
  }
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
    const auto sobrantes = Sobrantes(error.what());
    if (sobrantes.starts_with('-')) return "opción desconocida: " + sobrantes;
    return "argumento de más: " + sobrantes;
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
    const std::string_view mensaje = error.what();
    return "a la opción " + std::string(mensaje.substr(0, mensaje.find(':'))) +
           " le falta su valor";
  }
  return "los argumentos no son válidos";
}

}  // namespace quillora
