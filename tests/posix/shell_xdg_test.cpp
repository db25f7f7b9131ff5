#include "shell_xdg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "docx/paquete_prueba.h"

namespace quillora::posix {
namespace {

namespace fs = std::filesystem;

class ShellXdgTest : public ::testing::Test {
 protected:
  // A program of the test's own, made executable unless told otherwise.
  std::string Programa(const std::string& nombre, const std::string& cuerpo,
                       bool ejecutable = true) {
    docx::prueba::EscribirBytes(carpeta_ / nombre, "#!/bin/sh\n" + cuerpo);
    if (ejecutable) fs::permissions(carpeta_ / nombre, fs::perms::owner_all);
    return (carpeta_ / nombre).string();
  }
  // The arguments the last run of "abrir" was given; "abrir" writes each followed by a NUL.
  std::vector<std::string> Argumentos() {
    std::vector<std::string> argumentos;
    const auto bytes = docx::prueba::LeerBytes(carpeta_ / "argumentos");
    for (std::size_t inicio = 0, fin; (fin = bytes.find('\0', inicio)) != std::string::npos;
         inicio = fin + 1) {
      argumentos.push_back(bytes.substr(inicio, fin - inicio));
    }
    fs::remove(carpeta_ / "argumentos");
    return argumentos;
  }

  docx::prueba::CarpetaTemporal carpeta_;
  std::string abrir_ = Programa("abrir", "printf '%s\\0' \"$@\" > \"${0%/*}/argumentos\"\n");
};

TEST_F(ShellXdgTest, GivesTheLinkAsOneArgumentThatNothingRuns) {
  ShellXdg shell(abrir_);
  const auto marca = (carpeta_ / "ejecutado").string();
  for (const auto& enlace : std::vector<std::string>{
           "mailto:a@b.es?subject=%5BQuillora%5D", "x; touch " + marca, "$(touch " + marca + ")",
           "`touch " + marca + "`", " | touch " + marca + " &", "a'b\"c\\d", "primera\nsegunda\r",
           "/ruta con espacios/informe ñ.docx", "*"}) {
    EXPECT_TRUE(shell.Abrir(enlace)) << enlace;
    EXPECT_EQ(Argumentos(), std::vector<std::string>{enlace});
  }
  EXPECT_FALSE(fs::exists(marca));
  EXPECT_TRUE(shell.Abrir("-h"));
  EXPECT_EQ(Argumentos(), std::vector<std::string>{"./-h"});
  EXPECT_FALSE(shell.Abrir(""));
  EXPECT_FALSE(fs::exists(carpeta_ / "argumentos"));

  // Found through PATH, as xdg-open is.
  const std::string path = std::getenv("PATH");
  setenv("PATH", (carpeta_.Ruta().string() + ":" + path).c_str(), 1);
  EXPECT_TRUE(ShellXdg("abrir").Abrir("informe.docx"));
  setenv("PATH", path.c_str(), 1);
  EXPECT_EQ(Argumentos(), std::vector<std::string>{"informe.docx"});
}

TEST_F(ShellXdgTest, FailsWhenTheProgramFailsOrCannotRun) {
  for (const auto& programa :
       {Programa("fallar", "exit 3\n"), Programa("matarse", "kill -9 $$\n"),
        Programa("sin-permiso", "exit 0\n", false), (carpeta_ / "no-existe").string(),
        std::string("quillora-programa-que-no-existe")}) {
    EXPECT_FALSE(ShellXdg(programa).Abrir("informe.docx")) << programa;
  }
}

}  // namespace
}  // namespace quillora::posix
