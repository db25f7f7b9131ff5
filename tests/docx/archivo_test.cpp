// Reading and writing the files themselves: the output is always a regular file written where
// the user meant it, and what is not a regular file is refused without waiting on it.
#include "archivo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "documento_docx.h"
#include "docx/paquete_prueba.h"
#include "paquete.h"

namespace quillora::docx {
namespace {

using prueba::CarpetaTemporal;
namespace fs = std::filesystem;

std::span<const std::uint8_t> Bytes(const std::string& texto) {
  return {reinterpret_cast<const std::uint8_t*>(texto.data()), texto.size()};
}

mode_t Modo(const fs::path& ruta) {
  struct stat estado {};
  ::stat(ruta.c_str(), &estado);
  return estado.st_mode & 07777;
}

// The message of the ErrorDocx `accion` throws; empty when it throws none.
std::string Mensaje(const std::function<void()>& accion) {
  try {
    accion();
  } catch (const ErrorDocx& error) {
    return error.what();
  }
  return {};
}

// Restores the process's umask at the end of a test.
class Umask {
 public:
  explicit Umask(mode_t nueva) : anterior_(::umask(nueva)) {}
  ~Umask() { ::umask(anterior_); }

 private:
  mode_t anterior_;
};

TEST(EscribirAtomicamente, ThroughSymbolicLinksWritesTheTargetKeepingLinksAndPermissions) {
  CarpetaTemporal carpeta;
  const Umask umask(077);
  fs::create_directory(carpeta / "dentro");
  prueba::EscribirBytes(carpeta / "dentro" / "real.docx", "antes");
  ::chmod((carpeta / "dentro" / "real.docx").c_str(), 0664);
  // A relative link, and a link to that link.
  fs::create_symlink("dentro/real.docx", carpeta / "enlace.docx");
  fs::create_symlink(carpeta / "enlace.docx", carpeta / "otro.docx");

  EscribirAtomicamente(carpeta / "otro.docx", Bytes("después"));
  EXPECT_TRUE(fs::is_symlink(carpeta / "otro.docx"));
  EXPECT_TRUE(fs::is_symlink(carpeta / "enlace.docx"));
  EXPECT_EQ(prueba::LeerBytes(carpeta / "dentro" / "real.docx"), "después");
  EXPECT_EQ(Modo(carpeta / "dentro" / "real.docx"), 0664u);

  // A link to a file not made yet: the file is made where the link points.
  fs::create_symlink("dentro/nuevo.docx", carpeta / "pendiente.docx");
  EscribirAtomicamente(carpeta / "pendiente.docx", Bytes("nuevo"));
  EXPECT_TRUE(fs::is_symlink(carpeta / "pendiente.docx"));
  EXPECT_EQ(prueba::LeerBytes(carpeta / "dentro" / "nuevo.docx"), "nuevo");
  EXPECT_EQ(carpeta.Archivos(),
            (std::vector<std::string>{"dentro", "enlace.docx", "otro.docx", "pendiente.docx"}));
  EXPECT_EQ(prueba::Archivos(carpeta / "dentro"),
            (std::vector<std::string>{"nuevo.docx", "real.docx"}));
}

TEST(EscribirAtomicamente, RefusesWhatIsNotAWritableRegularFileAndWritesNothing) {
  CarpetaTemporal carpeta;
  prueba::EscribirBytes(carpeta / "solo-lectura.docx", "antes");
  ::chmod((carpeta / "solo-lectura.docx").c_str(), 0444);
  fs::create_directory(carpeta / "carpeta.docx");
  ASSERT_EQ(::mkfifo((carpeta / "tuberia.docx").c_str(), 0644), 0);
  fs::create_symlink("/dev/null", carpeta / "dispositivo.docx");
  fs::create_symlink("solo-lectura.docx", carpeta / "enlace.docx");
  fs::create_symlink("bucle.docx", carpeta / "bucle.docx");
  const auto antes = carpeta.Archivos();

  for (const auto& [nombre, razon] : std::vector<std::pair<std::string, std::string>>{
           {"solo-lectura.docx", "es de solo lectura"},
           {"enlace.docx", "es de solo lectura"},
           {"carpeta.docx", "es una carpeta"},
           {"tuberia.docx", "es una tubería (FIFO)"},
           {"dispositivo.docx", "es un dispositivo"},
           {"bucle.docx", "demasiados enlaces simbólicos"}}) {
    const auto mensaje = Mensaje([&] { EscribirAtomicamente(carpeta / nombre, Bytes("nuevo")); });
    EXPECT_NE(
        mensaje.find("No se puede guardar el documento en «" + (carpeta / nombre).string() + "»"),
        std::string::npos)
        << mensaje;
    EXPECT_NE(mensaje.find(razon), std::string::npos) << mensaje;
    EXPECT_NO_THROW(ComprobarDestino(carpeta / "nuevo.docx"));
    EXPECT_EQ(Mensaje([&] { ComprobarDestino(carpeta / nombre); }), mensaje);
  }
  EXPECT_NE(Mensaje([&] {
              EscribirAtomicamente(carpeta / "dispositivo.docx", Bytes("x"));
            }).find("(enlace a «/dev/null»)"),
            std::string::npos);
  EXPECT_EQ(carpeta.Archivos(), antes);
  EXPECT_EQ(prueba::LeerBytes(carpeta / "solo-lectura.docx"), "antes");
  EXPECT_TRUE(fs::is_directory(carpeta / "carpeta.docx"));
  EXPECT_TRUE(fs::is_fifo(carpeta / "tuberia.docx"));
  EXPECT_TRUE(fs::is_symlink(carpeta / "dispositivo.docx"));
}

// A file too large to work on within bounded memory is refused before it is read: a sparse one
// takes no room on disk.
TEST(LeerArchivo, RefusesAFileTooLargeBeforeReadingIt) {
  CarpetaTemporal carpeta;
  const auto ruta = carpeta / "enorme.docx";
  prueba::EscribirBytes(ruta, "PK");
  fs::resize_file(ruta, Paquete::kMaximoArchivo + 1);
  EXPECT_EQ(Mensaje([&] { DocumentoDocx::Abrir(ruta); }),
            "El archivo «" + ruta.string() +
                "» es demasiado grande para tratarlo sin agotar la memoria (el máximo es 490 MiB)");
}

// What is not a regular file is refused at once: a FIFO nobody writes to would otherwise be
// waited on for ever.
TEST(LeerArchivo, RefusesFoldersDevicesAndFifosWithoutWaiting) {
  CarpetaTemporal carpeta;
  ASSERT_EQ(::mkfifo((carpeta / "tuberia.docx").c_str(), 0644), 0);
  fs::create_directory(carpeta / "carpeta.docx");
  for (const auto& [ruta, razon] : std::vector<std::pair<fs::path, std::string>>{
           {carpeta / "tuberia.docx", "es una tubería (FIFO)"},
           {carpeta / "carpeta.docx", "es una carpeta"},
           {"/dev/zero", "es un dispositivo"}}) {
    const auto mensaje = Mensaje([&] { DocumentoDocx::Abrir(ruta); });
    EXPECT_NE(mensaje.find("No se puede leer el archivo «" + ruta.string() + "»: " + razon),
              std::string::npos)
        << mensaje;
  }
}

}  // namespace
}  // namespace quillora::docx
