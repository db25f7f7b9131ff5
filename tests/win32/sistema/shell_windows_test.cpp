#include "shell_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace quillora::win32 {
namespace {

namespace fs = std::filesystem;

// A folder of the test's own whose name is not plain ASCII, emptied at the end.
class CarpetaTemporal {
 public:
  CarpetaTemporal() : ruta_(fs::temp_directory_path() / L"quillora-shell-ñandú") {
    fs::remove_all(ruta_);
    fs::create_directories(ruta_);
  }
  ~CarpetaTemporal() {
    std::error_code error;
    fs::remove_all(ruta_, error);
  }
  const fs::path& Ruta() const { return ruta_; }

 private:
  fs::path ruta_;
};

bool EsperarArchivo(const fs::path& archivo) {
  for (int intento = 0; intento < 300; ++intento) {
    if (fs::exists(archivo)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

TEST(ShellWindowsTest, AbreElArchivoConSuProgramaYFallaSiNoExiste) {
  CarpetaTemporal carpeta;
  const auto guion = carpeta.Ruta() / "abrir.cmd";
  std::ofstream(guion) << "@echo abierto> \"%~dp0abierto.txt\"\r\n";

  ShellWindows shell;
  EXPECT_TRUE(shell.Abrir(reinterpret_cast<const char*>(guion.u8string().c_str())));
  EXPECT_TRUE(EsperarArchivo(carpeta.Ruta() / "abierto.txt"));

  const auto ausente = carpeta.Ruta() / "no-existe.cmd";
  EXPECT_FALSE(shell.Abrir(reinterpret_cast<const char*>(ausente.u8string().c_str())));
}

}  // namespace
}  // namespace quillora::win32
