#include "interrupcion.h"

#include <unistd.h>

#include <atomic>
#include <csignal>

namespace quillora::terminal {

namespace {

std::atomic<int> pulsaciones{0};
std::atomic<bool> pendiente{false};
std::atomic<const char*> temporal{nullptr};
bool limpiezaInstalada = false;

void QuitarTemporal() {
  if (const char* ruta = temporal.exchange(nullptr)) unlink(ruta);
}

extern "C" void AlPulsar(int /*senal*/) {
  if (pulsaciones.fetch_add(1) >= 1) {
    QuitarTemporal();
    constexpr char kAviso[] = "\nInterrumpido: no se ha guardado nada.\n";
    [[maybe_unused]] const auto escritos = write(STDERR_FILENO, kAviso, sizeof kAviso - 1);
    _exit(130);
  }
  pendiente = true;
}

// The signal ends the program as it would have, once the temporary file is gone: raised again
// with its default action, it arrives as soon as this handler returns.
extern "C" void AlTerminar(int senal) {
  QuitarTemporal();
  struct sigaction predeterminada {};
  predeterminada.sa_handler = SIG_DFL;
  sigemptyset(&predeterminada.sa_mask);
  sigaction(senal, &predeterminada, nullptr);
  raise(senal);
}

}  // namespace

void Interrupcion::Instalar() {
  struct sigaction accion {};
  accion.sa_handler = AlPulsar;
  sigemptyset(&accion.sa_mask);
  sigaction(SIGINT, &accion, nullptr);
}

bool Interrupcion::Pendiente() { return pendiente.exchange(false); }

void Interrupcion::Temporal(const char* ruta) {
  temporal = ruta;
  if (ruta == nullptr || limpiezaInstalada) return;
  limpiezaInstalada = true;
  // Only where the signal would end the program: an ignored one stays ignored, and Ctrl+C stays
  // with AlPulsar once installed.
  for (const int senal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction actual {};
    if (sigaction(senal, nullptr, &actual) != 0 || actual.sa_handler != SIG_DFL) continue;
    struct sigaction accion {};
    accion.sa_handler = AlTerminar;
    sigemptyset(&accion.sa_mask);
    sigaction(senal, &accion, nullptr);
  }
}

}  // namespace quillora::terminal
