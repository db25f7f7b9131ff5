#include "common/error_sistema.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "docx/paquete_prueba.h"

namespace quillora::comun {
namespace {

namespace fs = std::filesystem;

TEST(ErrorSistema, FileSystemErrorsReadInSpanishWithTheirPaths) {
  docx::prueba::CarpetaTemporal carpeta;
  std::ofstream(carpeta / "archivo") << "x";
  try {
    fs::create_directories(carpeta / "archivo" / "dentro");
    FAIL() << "una carpeta dentro de un archivo";
  } catch (const fs::filesystem_error& error) {
    const auto mensaje = MensajeEspanol(error);
    EXPECT_NE(mensaje.find("«" + (carpeta / "archivo" / "dentro").string() + "»"),
              std::string::npos)
        << mensaje;
    EXPECT_NE(mensaje.find("una parte de la ruta no es una carpeta"), std::string::npos)
        << mensaje;
  }
  EXPECT_EQ(MensajeEspanol(std::system_error(ENOSPC, std::generic_category())),
            "Error del sistema: no queda espacio en el disco");
  EXPECT_EQ(MensajeEspanol(std::runtime_error("Ya en español")), "Ya en español");
  EXPECT_EQ(DescripcionError({EACCES, std::system_category()}), "permiso denegado");
}

}  // namespace
}  // namespace quillora::comun
