#include "procesos_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "common/contar_instancias_word.h"

namespace quillora::win32 {
namespace {

namespace fs = std::filesystem;

fs::path ProgramaPropio() {
  std::wstring ruta(MAX_PATH, L'\0');
  ruta.resize(GetModuleFileNameW(nullptr, ruta.data(), MAX_PATH));
  return ruta;
}

std::string Utf8(const fs::path& ruta) {
  return reinterpret_cast<const char*>(ruta.u8string().c_str());
}

TEST(ProcesosWindowsTest, LaListaTieneAlProgramaPropioConSuArchivo) {
  ProcesosWindows procesos;
  const auto ids = procesos.Enumerar();
  ASSERT_TRUE(ids);
  EXPECT_NE(std::ranges::find(*ids, GetCurrentProcessId()), ids->end());

  const auto nombres = procesos.NombresPrograma(GetCurrentProcessId());
  ASSERT_EQ(nombres.size(), 1u);
  EXPECT_EQ(nombres[0], Utf8(ProgramaPropio()));
  EXPECT_TRUE(nombres[0].ends_with("\\sistema_win32_tests.exe")) << nombres[0];

  const auto mayor = *std::ranges::max_element(*ids);
  EXPECT_TRUE(procesos.NombresPrograma(mayor + 4).empty());
}

// Copies of a program that only waits, started under the names Word's processes are counted
// by, and ended with the test.
class ProcesosDeWordTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const auto& info : iniciados_) {
      TerminateProcess(info.hProcess, 0);
      WaitForSingleObject(info.hProcess, 10000);
      CloseHandle(info.hProcess);
      CloseHandle(info.hThread);
    }
    std::error_code error;
    fs::remove_all(carpeta_, error);
  }

  void Iniciar(const std::wstring& subcarpeta, const std::wstring& nombre) {
    const auto destino = carpeta_ / subcarpeta / nombre;
    fs::create_directories(destino.parent_path());
    fs::copy_file(ProgramaPropio().parent_path() / L"proceso_en_espera.exe", destino,
                  fs::copy_options::overwrite_existing);
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION info{};
    std::wstring linea = L"\"" + destino.wstring() + L"\"";
    ASSERT_TRUE(CreateProcessW(destino.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &inicio, &info));
    iniciados_.push_back(info);
    // The main module has a name once the process has been loaded.
    for (int intento = 0; intento < 100; ++intento) {
      if (!procesos.NombresPrograma(info.dwProcessId).empty()) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    FAIL() << "El proceso no llegó a cargarse";
  }

  ProcesosWindows procesos;

 private:
  fs::path carpeta_ = fs::temp_directory_path() / L"quillora-procesos";
  std::vector<PROCESS_INFORMATION> iniciados_;
};

TEST_F(ProcesosDeWordTest, CuentaLosProgramasLlamadosWinwordEnMayusculas) {
  EXPECT_EQ(comun::ContarInstanciasWord(procesos, {}), 0);
  Iniciar(L"minusculas", L"winword.exe");
  EXPECT_EQ(comun::ContarInstanciasWord(procesos, {}), 0);
  Iniciar(L"primera", L"WINWORD.EXE");
  EXPECT_EQ(comun::ContarInstanciasWord(procesos, {}), 1);
  Iniciar(L"segunda", L"WINWORD.EXE");
  int veces = 0;
  EXPECT_EQ(comun::ContarInstanciasWord(procesos, [&] { ++veces; }), 2);
  EXPECT_GT(veces, 3);
}

}  // namespace
}  // namespace quillora::win32
