#include "shell_xdg.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace quillora::posix {

ShellXdg::ShellXdg(std::string programa) : programa_(std::move(programa)) {}

bool ShellXdg::Abrir(const std::string& archivoOEnlace) {
  if (archivoOEnlace.empty()) return false;
  // A relative path starting with "-" would be read as an option.
  const std::string argumento =
      archivoOEnlace.front() == '-' ? "./" + archivoOEnlace : archivoOEnlace;
  std::string nombre = programa_;
  std::string copia = argumento;
  char* argv[] = {nombre.data(), copia.data(), nullptr};
  pid_t hijo = 0;
  if (posix_spawnp(&hijo, programa_.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  int estado = 0;
  while (waitpid(hijo, &estado, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
}

}  // namespace quillora::posix
