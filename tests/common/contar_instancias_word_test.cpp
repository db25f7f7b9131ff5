#include "common/contar_instancias_word.h"

#include <gtest/gtest.h>

#include <fstream>

#include "docx/paquete_prueba.h"
#include "procesos_proc.h"

namespace quillora::comun {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// A process of a tree laid out like /proc: its program file and its command line, if any.
void Proceso(const fs::path& carpeta, const std::string& exe, const std::string& cmdline) {
  fs::create_directories(carpeta);
  if (!exe.empty()) fs::create_symlink(exe, carpeta / "exe");
  if (!cmdline.empty()) std::ofstream(carpeta / "cmdline", std::ios::binary) << cmdline;
}

TEST(ContarInstanciasWord, CountsEveryProcessWhoseProgramIsWord) {
  docx::prueba::CarpetaTemporal proc;
  // More Word processes than a fixed-size table would hold, run in each way Word is run.
  const std::string wine = "C:\\Program Files\\Microsoft Office\\WINWORD.EXE\0/automation\0"s;
  for (int i = 0; i < 300; ++i) {
    const auto carpeta = proc / std::to_string(1000 + i);
    if (i % 3 == 0) Proceso(carpeta, "/opt/office/WINWORD.EXE", "WINWORD.EXE\0/n\0"s);
    if (i % 3 == 1) Proceso(carpeta, "/usr/bin/wine64-preloader", wine);
    if (i % 3 == 2) Proceso(carpeta, "", "WINWORD.EXE");
  }
  Proceso(proc / "2000", "/opt/office/winword.exe", "winword.exe\0"s);
  Proceso(proc / "2001", "/usr/bin/wine", "/usr/bin/wine\0WINWORD.EXE\0"s);
  Proceso(proc / "2002", "/opt/WINWORD.EXE.bak", "WINWORD.EXE \0"s);
  Proceso(proc / "2003", "", "");
  Proceso(proc / "self", "/opt/office/WINWORD.EXE", "WINWORD.EXE");

  posix::ProcesosProc procesos(proc.Ruta());
  int mensajes = 0;
  const auto contar = [&mensajes] { ++mensajes; };
  EXPECT_EQ(ContarInstanciasWord(procesos, contar), 300);
  EXPECT_EQ(mensajes, 304);
  EXPECT_EQ(ContarInstanciasWord(procesos, {}), 300);

  mensajes = 0;
  posix::ProcesosProc sinRaiz(proc / "no-existe");
  EXPECT_EQ(ContarInstanciasWord(sinRaiz, contar), 0);
  EXPECT_EQ(mensajes, 0);

  posix::ProcesosProc maquina;
  EXPECT_EQ(ContarInstanciasWord(maquina, contar), 0);
  EXPECT_GT(mensajes, 0);
}

}  // namespace
}  // namespace quillora::comun
