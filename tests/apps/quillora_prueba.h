#pragma once

// The quillora command end to end: the real program run in an environment of the test's own, with
// the embedded SQLite dictionary, a registry file and an xdg-open that writes down what it opens.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "dictionary/diccionario_muestra.h"
#include "docx/paquete_prueba.h"

namespace quillora::prueba {

namespace fs = std::filesystem;
using docx::prueba::CarpetaTemporal;
using docx::prueba::LeerBytes;

struct Resultado {
  int estado = -1;
  std::string salida;
  std::string errores;
};

class QuilloraTest : public ::testing::Test {
 protected:
  QuilloraTest() {
    fs::create_directories(carpeta_ / "bin");
    fs::create_directories(carpeta_ / "casa");
    // An xdg-open that writes down what it is asked to open and answers as told.
    const auto xdg = carpeta_ / "bin" / "xdg-open";
    std::ofstream(xdg) << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '"
                       << (carpeta_ / "abiertos").string() << "'\nexit $(cat '"
                       << (carpeta_ / "estado-xdg").string() << "' 2>/dev/null || echo 0)\n";
    fs::permissions(xdg, fs::perms::owner_all);
  }

  // The sample dictionary the program builds its database from.
  static const DiccionarioMuestra& Muestra() { return DiccionarioMuestra::Incorporado(); }

  // Runs quillora with these arguments in an environment of the test's own, plus `otras`
  // variables, with `entrada` as its standard input.
  Resultado Quillora(const std::vector<std::string>& argumentos,
                     const std::vector<std::string>& otras = {},
                     const std::string& entrada = "") const {
    std::vector<std::string> texto = {QUILLORA_PROGRAMA};
    texto.insert(texto.end(), argumentos.begin(), argumentos.end());
    return Ejecutar(texto, otras, entrada);
  }

  // Runs quillora in a pseudo-terminal, as a person at a terminal would, typing `teclas`.
  Resultado EnTerminal(const std::string& orden, const std::vector<std::string>& otras,
                       const std::string& teclas) const {
    return Ejecutar(
        {"/usr/bin/script", "-qec", std::string(QUILLORA_PROGRAMA) + " " + orden, "/dev/null"},
        otras, teclas);
  }

  Resultado Ejecutar(const std::vector<std::string>& texto, const std::vector<std::string>& otras,
                     const std::string& entrada) const {
    docx::prueba::EscribirBytes(carpeta_ / "stdin", entrada);
    std::vector<std::string> entorno = {
        "PATH=" + (carpeta_ / "bin").string() + ":/usr/bin:/bin",
        "HOME=" + (carpeta_ / "casa").string(), "XDG_DATA_HOME=" + (carpeta_ / "datos").string(),
        "QUILLORA_REGISTRO=" + (carpeta_ / "quillora.reg").string(), "LANG=C.UTF-8"};
    entorno.insert(entorno.end(), otras.begin(), otras.end());
    std::vector<char*> argv;
    for (auto& a : texto) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const auto& e : entorno) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    const auto salida = carpeta_ / "stdout";
    const auto errores = carpeta_ / "stderr";
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    const auto stdin = carpeta_ / "stdin";
    posix_spawn_file_actions_addopen(&acciones, 0, stdin.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, 1, salida.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&acciones, 2, errores.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t hijo = 0;
    Resultado resultado;
    if (posix_spawn(&hijo, argv[0], &acciones, nullptr, argv.data(), envp.data()) == 0) {
      int estado = 0;
      waitpid(hijo, &estado, 0);
      resultado.estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
    }
    posix_spawn_file_actions_destroy(&acciones);
    resultado.salida = LeerBytes(salida);
    resultado.errores = LeerBytes(errores);
    return resultado;
  }

  void Ajustes(const std::string& valores) const {
    std::ofstream(carpeta_ / "quillora.reg")
        << "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\Software\\Brenmoor\\Quillora]\r\n"
        << valores;
  }

  std::string Abiertos() const { return LeerBytes(carpeta_ / "abiertos"); }

  CarpetaTemporal carpeta_;
  const fs::path ejemplo_ = QUILLORA_EJEMPLO;
};

}  // namespace quillora::prueba
