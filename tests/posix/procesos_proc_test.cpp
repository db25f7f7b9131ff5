#include "procesos_proc.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "docx/paquete_prueba.h"

namespace quillora::posix {
namespace {

namespace fs = std::filesystem;
using Nombres = std::vector<std::string>;
using namespace std::string_literals;

TEST(ProcesosProc, ListsTheProcessesAndTheNamesOfTheirPrograms) {
  docx::prueba::CarpetaTemporal proc;
  for (const auto* nombre : {"7", "12", "4294967295", "self", "12a", "-3", "+4", "4294967296"}) {
    fs::create_directory(proc / nombre);
  }
  fs::create_symlink("/usr/bin/wine64-preloader", proc / "7" / "exe");
  std::ofstream(proc / "7" / "cmdline", std::ios::binary)
      << "C:\\Office\\WINWORD.EXE\0/automation\0"s;
  std::ofstream(proc / "12" / "cmdline", std::ios::binary) << "sin-nul";
  std::ofstream(proc / "77") << "no es un proceso";
  ProcesosProc procesos(proc.Ruta());
  auto ids = procesos.Enumerar();
  ASSERT_TRUE(ids);
  std::ranges::sort(*ids);
  EXPECT_EQ(*ids, (std::vector<std::uint32_t>{7, 12, 4294967295u}));
  EXPECT_EQ(procesos.NombresPrograma(7),
            (Nombres{"/usr/bin/wine64-preloader", "C:\\Office\\WINWORD.EXE"}));
  EXPECT_EQ(procesos.NombresPrograma(12), Nombres{"sin-nul"});
  EXPECT_EQ(procesos.NombresPrograma(4294967295u), Nombres{});
  EXPECT_EQ(procesos.NombresPrograma(8), Nombres{});
  EXPECT_EQ(ProcesosProc(proc / "no-existe").Enumerar(), std::nullopt);

  ProcesosProc maquina;
  const auto propio = static_cast<std::uint32_t>(getpid());
  ids = maquina.Enumerar();
  ASSERT_TRUE(ids);
  EXPECT_NE(std::ranges::find(*ids, propio), ids->end());
  const auto nombres = maquina.NombresPrograma(propio);
  ASSERT_EQ(nombres.size(), 2u);
  EXPECT_EQ(nombres[0], fs::read_symlink("/proc/self/exe").string());
  EXPECT_EQ(fs::path(nombres[1]).filename().string(), "posix_tests");
}

TEST(ProcesosProc, LeavesTheProcessesOfOtherUsersClosed) {
  if (getuid() != 0) GTEST_SKIP() << "only root can give a folder to another user";
  docx::prueba::CarpetaTemporal proc;
  fs::create_directory(proc / "9");
  fs::create_symlink("/opt/office/WINWORD.EXE", proc / "9" / "exe");
  ASSERT_EQ(chown((proc / "9").c_str(), 65534, 65534), 0);
  EXPECT_EQ(ProcesosProc(proc.Ruta()).NombresPrograma(9), Nombres{});
}

}  // namespace
}  // namespace quillora::posix
