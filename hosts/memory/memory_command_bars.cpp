#include "memory_command_bars.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "word/host_error.h"

namespace quillora::memory {

using word::HostError;

namespace {

constexpr std::int32_t kBarPopup = 5;  // msoBarPopup, a context menu

}  // namespace

MemoryCommandBars::MemoryCommandBars(const std::vector<std::string>& barrasIntegradas,
                                     bool conImagenes)
    : conImagenes_(conImagenes), barras_(std::make_shared<MemoryCommandBar::Lista>()) {
  for (const auto& nombre : barrasIntegradas) {
    Agregar(nombre, kBarPopup, true, false);
  }
}

// Word has quit: whatever a caller still holds of it fails from now on.
MemoryCommandBars::~MemoryCommandBars() {
  for (const auto& barra : MemoryCommandBar::Lista(*barras_)) {
    barra->Eliminar();
  }
}

std::shared_ptr<word::CommandBar> MemoryCommandBars::Item(const std::string& nombre) const {
  auto barra = Buscar(nombre);
  if (!barra) {
    throw HostError("No existe ninguna barra de comandos llamada \"" + nombre + "\"");
  }
  return barra;
}

std::shared_ptr<word::CommandBar> MemoryCommandBars::Item(std::int32_t index) const {
  if (index < 1 || index > Count()) {
    throw HostError("No existe la barra de comandos " + std::to_string(index));
  }
  return (*barras_)[static_cast<std::size_t>(index - 1)];
}

std::int32_t MemoryCommandBars::Count() const { return static_cast<std::int32_t>(barras_->size()); }

// menuBar would make the bar Word's main menu, which this host does not draw.
std::shared_ptr<word::CommandBar> MemoryCommandBars::Add(const std::string& nombre,
                                                         std::int32_t position, bool /*menuBar*/,
                                                         bool temporary) {
  if (position < 0 || position > kBarPopup) {
    throw HostError("Posición de barra no válida: " + std::to_string(position));
  }
  return Agregar(nombre, position, false, temporary);
}

// NOLINTNEXTLINE(performance-unnecessary-value-param): a handler may reset the caller's pointer.
bool MemoryCommandBars::Pulsar(std::shared_ptr<word::CommandBarControl> control) {
  const auto pulsado = ColeccionDe(control.get()).Buscar(control.get());
  if (!pulsado->GetVisible()) {
    throw HostError("No se puede pulsar un control oculto");
  }
  // A snapshot: handlers may delete controls, bars or connections while they run.
  auto manejadores = pulsado->Manejadores();
  const auto tag = pulsado->GetTag();
  for (const auto& barra : *barras_) {
    for (const auto& otro : barra->Coleccion().Controles()) {
      if (!tag.empty() && otro != pulsado && otro->GetTag() == tag) {
        std::ranges::copy(otro->Manejadores(), std::back_inserter(manejadores));
      }
    }
  }
  bool cancelDefault = false;
  for (const auto& manejador : manejadores) {
    manejador(control, cancelDefault);
  }
  return cancelDefault;
}

void MemoryCommandBars::Mover(const std::shared_ptr<word::CommandBarControl>& control,
                              std::int32_t posicion) {
  ColeccionDe(control.get()).Mover(control.get(), posicion);
}

void MemoryCommandBars::Reiniciar() {
  for (const auto& barra : MemoryCommandBar::Lista(*barras_)) {
    if (barra->GetTemporary()) {
      barra->Eliminar();
    } else {
      barra->Coleccion().Reiniciar();
    }
  }
}

std::shared_ptr<word::CommandBar> MemoryCommandBars::Restaurar(const std::string& nombre) {
  auto barra = std::make_shared<MemoryCommandBar>(nombre, 1, false, false, conImagenes_, barras_);
  barras_->push_back(barra);
  return barra;
}

std::shared_ptr<MemoryCommandBar> MemoryCommandBars::Buscar(const std::string& nombre) const {
  const auto it = std::ranges::find_if(*barras_, [&nombre](const auto& barra) {
    return MemoryCommandBar::MismoNombre(barra->GetName(), nombre);
  });
  return it == barras_->end() ? nullptr : *it;
}

std::shared_ptr<MemoryCommandBar> MemoryCommandBars::Agregar(const std::string& nombre,
                                                             std::int32_t position, bool integrada,
                                                             bool temporary) {
  if (nombre.empty()) {
    throw HostError("Una barra de comandos necesita un nombre");
  }
  if (Buscar(nombre)) {
    throw HostError("Ya existe una barra de comandos llamada \"" + nombre + "\"");
  }
  auto barra = std::make_shared<MemoryCommandBar>(nombre, position, integrada, temporary,
                                                  conImagenes_, barras_);
  barras_->push_back(barra);
  return barra;
}

MemoryCommandBarControls& MemoryCommandBars::ColeccionDe(
    const word::CommandBarControl* control) const {
  for (const auto& barra : *barras_) {
    if (barra->Coleccion().Buscar(control)) {
      return barra->Coleccion();
    }
  }
  throw HostError("El control no está en ninguna barra de comandos");
}

}  // namespace quillora::memory
