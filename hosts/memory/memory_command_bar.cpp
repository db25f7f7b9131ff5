#include "memory_command_bar.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "word/host_error.h"

namespace quillora::memory {

using word::HostError;

namespace {

constexpr std::int32_t kControlButton = 1;  // msoControlButton
constexpr std::int32_t kBarFloating = 4;    // msoBarFloating, the last dockable position
constexpr std::int32_t kAnchoBordes = 8;    // grip and borders of a docked bar
constexpr std::int32_t kAnchoBoton = 23;    // an icon button

}  // namespace

MemoryCommandBarControls::MemoryCommandBarControls(bool conImagenes) : conImagenes_(conImagenes) {}

std::shared_ptr<word::CommandBarControl> MemoryCommandBarControls::Add(
    const word::ControlAdd& argumentos) {
  Comprobar();
  if (argumentos.Type != kControlButton) {
    throw HostError("Tipo de control no admitido: " + std::to_string(argumentos.Type));
  }
  const auto cuenta = std::ssize(controles_);
  if (argumentos.Before < 0 || argumentos.Before > cuenta + 1) {
    throw HostError("Posición de control no válida: " + std::to_string(argumentos.Before));
  }
  auto control = std::make_shared<MemoryCommandBarControl>(weak_from_this(), argumentos.Temporary,
                                                           conImagenes_);
  const auto donde =
      argumentos.Before == 0 ? controles_.end() : controles_.begin() + (argumentos.Before - 1);
  controles_.insert(donde, control);
  return control;
}

std::shared_ptr<word::CommandBarControl> MemoryCommandBarControls::Item(
    std::int32_t position) const {
  Comprobar();
  if (position < 1 || position > std::ssize(controles_)) {
    throw HostError("Posición de control no válida: " + std::to_string(position));
  }
  return controles_[static_cast<std::size_t>(position - 1)];
}

const std::vector<std::shared_ptr<MemoryCommandBarControl>>& MemoryCommandBarControls::Controles()
    const {
  return controles_;
}

std::shared_ptr<MemoryCommandBarControl> MemoryCommandBarControls::Buscar(
    const word::CommandBarControl* control) const {
  const auto it = std::ranges::find_if(
      controles_, [control](const auto& propio) { return propio.get() == control; });
  return it == controles_.end() ? nullptr : *it;
}

void MemoryCommandBarControls::Quitar(MemoryCommandBarControl& control) {
  control.Borrar();
  std::erase_if(controles_, [&control](const auto& propio) { return propio.get() == &control; });
}

void MemoryCommandBarControls::Mover(const word::CommandBarControl* control,
                                     std::int32_t posicion) {
  if (posicion < 1 || posicion > std::ssize(controles_)) {
    throw std::out_of_range("No hay posición " + std::to_string(posicion) + " en la barra");
  }
  auto movido = Buscar(control);
  std::erase(controles_, movido);
  controles_.insert(controles_.begin() + (posicion - 1), std::move(movido));
}

void MemoryCommandBarControls::Reiniciar() {
  for (const auto& control : std::vector(controles_)) {
    if (control->GetTemporary()) {
      Quitar(*control);
    } else {
      control->Desconectar();
    }
  }
}

void MemoryCommandBarControls::Cerrar() {
  cerrada_ = true;
  for (const auto& control : controles_) {
    control->Borrar();
  }
  controles_.clear();
}

void MemoryCommandBarControls::Comprobar() const {
  if (cerrada_) {
    throw HostError("La barra de comandos ya no existe");
  }
}

MemoryCommandBar::MemoryCommandBar(std::string nombre, std::int32_t position, bool integrada,
                                   bool temporary, bool conImagenes, std::weak_ptr<Lista> lista)
    : nombre_(std::move(nombre)),
      position_(position),
      integrada_(integrada),
      temporary_(temporary),
      lista_(std::move(lista)),
      controles_(std::make_shared<MemoryCommandBarControls>(conImagenes)) {}

std::shared_ptr<word::CommandBarControls> MemoryCommandBar::GetControls() const {
  Comprobar();
  return controles_;
}

void MemoryCommandBar::Delete() {
  Comprobar();
  if (integrada_) {
    throw HostError("No se puede eliminar la barra de comandos integrada \"" + nombre_ + "\"");
  }
  Eliminar();
}

bool MemoryCommandBar::GetEnabled() const { return Leer(enabled_); }

void MemoryCommandBar::SetEnabled(bool enabled) { Escribir(enabled_, enabled); }

std::shared_ptr<word::CommandBarControl> MemoryCommandBar::FindControl(
    const std::string& tag) const {
  Comprobar();
  for (const auto& control : controles_->Controles()) {
    if (control->GetTag() == tag) {
      return control;
    }
  }
  return nullptr;
}

std::string MemoryCommandBar::GetName() const { return Leer(nombre_); }

void MemoryCommandBar::SetName(const std::string& nombre) {
  Comprobar();
  if (nombre.empty()) throw HostError("Una barra de comandos necesita un nombre");
  if (const auto lista = lista_.lock()) {
    for (const auto& otra : *lista) {
      if (otra.get() != this && MismoNombre(otra->nombre_, nombre)) {
        throw HostError("Ya existe una barra de comandos llamada \"" + nombre + "\"");
      }
    }
  }
  nombre_ = nombre;
}

bool MemoryCommandBar::MismoNombre(std::string_view a, std::string_view b) {
  const auto minuscula = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return std::ranges::equal(a, b, {}, minuscula, minuscula);
}

std::int32_t MemoryCommandBar::GetPosition() const { return Leer(position_); }

void MemoryCommandBar::SetPosition(std::int32_t position) {
  Comprobar();
  // A bar can be docked or float; it cannot be turned into a context menu or a menu bar.
  if (position < 0 || position > kBarFloating) {
    throw HostError("Posición de barra no válida: " + std::to_string(position));
  }
  position_ = position;
}

bool MemoryCommandBar::GetVisible() const { return Leer(visible_); }

void MemoryCommandBar::SetVisible(bool visible) { Escribir(visible_, visible); }

std::int32_t MemoryCommandBar::GetWidth() const {
  Comprobar();
  const auto visibles = std::ranges::count_if(
      controles_->Controles(), [](const auto& control) { return control->GetVisible(); });
  return std::max(width_, kAnchoBordes + kAnchoBoton * static_cast<std::int32_t>(visibles));
}

void MemoryCommandBar::SetWidth(std::int32_t width) {
  Comprobar();
  if (width < 0) {
    throw HostError("Ancho de barra no válido: " + std::to_string(width));
  }
  width_ = width;
}

bool MemoryCommandBar::GetTemporary() const { return Leer(temporary_); }

MemoryCommandBarControls& MemoryCommandBar::Coleccion() const { return *controles_; }

void MemoryCommandBar::Eliminar() {
  borrada_ = true;
  controles_->Cerrar();
  // Erasing may drop the last reference to this bar, so nothing follows it.
  if (const auto lista = lista_.lock()) {
    std::erase_if(*lista, [this](const auto& barra) { return barra.get() == this; });
  }
}

void MemoryCommandBar::Comprobar() const {
  if (borrada_) {
    throw HostError("La barra de comandos ya no existe");
  }
}

}  // namespace quillora::memory
