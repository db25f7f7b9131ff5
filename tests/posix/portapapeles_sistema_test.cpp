#include "portapapeles_sistema.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "docx/paquete_prueba.h"

namespace quillora::posix {
namespace {

namespace fs = std::filesystem;

// A session of the test's own: the clipboard tools are programs that keep what they are given,
// and only the variables set here name a display.
class PortapapelesTest : public ::testing::Test {
 protected:
  PortapapelesTest() {
    for (const char* variable : {"PATH", "DISPLAY", "WAYLAND_DISPLAY"}) {
      const char* valor = std::getenv(variable);
      guardadas_.emplace_back(variable, valor ? std::optional<std::string>(valor) : std::nullopt);
      unsetenv(variable);
    }
    setenv("PATH", (carpeta_.Ruta().string() + ":/usr/bin:/bin").c_str(), 1);
  }
  ~PortapapelesTest() override {
    for (const auto& [variable, valor] : guardadas_) {
      if (valor) {
        setenv(variable.c_str(), valor->c_str(), 1);
      } else {
        unsetenv(variable.c_str());
      }
    }
  }

  void Herramienta(const std::string& nombre, const std::string& cuerpo) {
    docx::prueba::EscribirBytes(carpeta_ / nombre, "#!/bin/sh\n" + cuerpo);
    fs::permissions(carpeta_ / nombre, fs::perms::owner_all);
  }
  std::string Copiado(const std::string& nombre) {
    const auto archivo = carpeta_ / ("copiado-" + nombre);
    return fs::exists(archivo) ? docx::prueba::LeerBytes(archivo) : "-";
  }

  docx::prueba::CarpetaTemporal carpeta_;
  std::vector<std::pair<std::string, std::optional<std::string>>> guardadas_;
};

TEST_F(PortapapelesTest, UsesTheToolOfTheSessionWithTheExactText) {
  const std::string texto = "Entrada: casa\r\n\r\nSugerencias:\r\n    hogar";
  Herramienta("wl-copy", "cat > \"${0%/*}/copiado-wayland\"\n");
  Herramienta("xclip",
              "[ \"$*\" = '-selection clipboard' ] || exit 3\ncat > \"${0%/*}/copiado-x11\"\n");
  Herramienta("xsel", "cat > \"${0%/*}/copiado-xsel\"\n");
  PortapapelesSistema portapapeles;

  EXPECT_FALSE(portapapeles.Copiar(texto));  // no session: nothing runs
  EXPECT_EQ(Copiado("wayland") + Copiado("x11") + Copiado("xsel"), "---");

  setenv("DISPLAY", ":1", 1);
  EXPECT_TRUE(portapapeles.Copiar(texto));
  EXPECT_EQ(Copiado("x11"), texto);
  EXPECT_EQ(Copiado("wayland"), "-");

  setenv("WAYLAND_DISPLAY", "wayland-0", 1);
  EXPECT_TRUE(portapapeles.Copiar(texto));
  EXPECT_EQ(Copiado("wayland"), texto);

  // A tool that fails, or that leaves without reading, hands over to the next one.
  unsetenv("WAYLAND_DISPLAY");
  Herramienta("xclip", "exit 1\n");
  EXPECT_TRUE(portapapeles.Copiar(std::string(1 << 20, 'x')));
  EXPECT_EQ(Copiado("xsel").size(), 1u << 20);
  fs::remove(carpeta_ / "xsel");  // no tool left
  EXPECT_FALSE(portapapeles.Copiar(texto));
}

}  // namespace
}  // namespace quillora::posix
