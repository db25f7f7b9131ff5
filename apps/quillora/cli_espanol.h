#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace quillora {

// The command line parser speaking Spanish: help labels, group names and the help flag. Call it
// before adding subcommands, which inherit it.
void ConfigurarEnEspanol(CLI::App& app);

// The Spanish sentence for a usage error of `app` (the parser's own texts are English).
std::string MensajeDeUso(const CLI::App& app, const CLI::ParseError& error);

}  // namespace quillora
