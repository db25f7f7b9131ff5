#include "interrupcion.h"

#include <unistd.h>

#include <atomic>
#include <csignal>

namespace quillora::terminal {

namespace {

std::atomic<int> pulsaciones{0};
std::atomic<bool> pendiente{false};

extern "C" void AlPulsar(int /*senal*/) {
  if (pulsaciones.fetch_add(1) >= 1) {
    constexpr char kAviso[] = "\nInterrumpido: no se ha guardado nada.\n";
    [[maybe_unused]] const auto escritos = write(STDERR_FILENO, kAviso, sizeof kAviso - 1);
    _exit(130);
  }
  pendiente = true;
}

}  // namespace

void Interrupcion::Instalar() {
  struct sigaction accion {};
  accion.sa_handler = AlPulsar;
  sigemptyset(&accion.sa_mask);
  sigaction(SIGINT, &accion, nullptr);
}

bool Interrupcion::Pendiente() { return pendiente.exchange(false); }

}  // namespace quillora::terminal
