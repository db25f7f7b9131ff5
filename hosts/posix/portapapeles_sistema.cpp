#include "portapapeles_sistema.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace quillora::posix {

namespace {

bool Definida(const char* variable) {
  const char* valor = std::getenv(variable);
  return valor != nullptr && *valor != '\0';
}

// Writes everything, through interruptions and short writes.
bool EscribirTodo(int descriptor, const std::string& texto) {
  std::size_t escrito = 0;
  while (escrito < texto.size()) {
    const auto n = write(descriptor, texto.data() + escrito, texto.size() - escrito);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    escrito += static_cast<std::size_t>(n);
  }
  return true;
}

// Runs the program with the text on its standard input; its output goes nowhere, so that a tool
// that stays behind to serve the clipboard holds none of ours open.
bool Ejecutar(std::vector<std::string> argumentos, const std::string& texto) {
  int tuberia[2];
  if (pipe2(tuberia, O_CLOEXEC) != 0) return false;
  posix_spawn_file_actions_t acciones;
  posix_spawn_file_actions_init(&acciones);
  posix_spawn_file_actions_adddup2(&acciones, tuberia[0], STDIN_FILENO);
  posix_spawn_file_actions_addopen(&acciones, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&acciones, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (auto& argumento : argumentos) argv.push_back(argumento.data());
  argv.push_back(nullptr);
  pid_t hijo = 0;
  const bool iniciado = posix_spawnp(&hijo, argv[0], &acciones, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&acciones);
  close(tuberia[0]);
  bool escrito = false;
  if (iniciado) {
    // A tool that dies before reading everything must not kill us with SIGPIPE.
    const auto anterior = std::signal(SIGPIPE, SIG_IGN);
    escrito = EscribirTodo(tuberia[1], texto);
    std::signal(SIGPIPE, anterior);
  }
  close(tuberia[1]);
  if (!iniciado) return false;
  int estado = 0;
  while (waitpid(hijo, &estado, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return escrito && WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
}

}  // namespace

bool PortapapelesSistema::Copiar(const std::string& texto) const {
  if (Definida("WAYLAND_DISPLAY") && Ejecutar({"wl-copy"}, texto)) return true;
  if (!Definida("DISPLAY")) return false;
  return Ejecutar({"xclip", "-selection", "clipboard"}, texto) ||
         Ejecutar({"xsel", "--clipboard", "--input"}, texto);
}

}  // namespace quillora::posix
