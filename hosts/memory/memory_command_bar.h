#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "memory_command_bar_control.h"
#include "word/command_bars.h"

namespace quillora::memory {

// The controls of one bar, by position. Once its bar is deleted every member throws HostError.
class MemoryCommandBarControls final
    : public word::CommandBarControls,
      public std::enable_shared_from_this<MemoryCommandBarControls> {
 public:
  explicit MemoryCommandBarControls(bool conImagenes);

  std::shared_ptr<word::CommandBarControl> Add(const word::ControlAdd& argumentos) override;
  std::shared_ptr<word::CommandBarControl> Item(std::int32_t position) const override;

  // Host side.
  const std::vector<std::shared_ptr<MemoryCommandBarControl>>& Controles() const;
  // None when the control is not in this collection.
  std::shared_ptr<MemoryCommandBarControl> Buscar(const word::CommandBarControl* control) const;
  void Quitar(MemoryCommandBarControl& control);
  // Moves one of its controls to a position from 1; std::out_of_range past the last one.
  void Mover(const word::CommandBarControl* control, std::int32_t posicion);
  // Drops the temporary controls and ends the connections of the others.
  void Reiniciar();
  // Deletes every control: the bar is gone.
  void Cerrar();

 private:
  void Comprobar() const;

  bool conImagenes_;
  bool cerrada_ = false;
  std::vector<std::shared_ptr<MemoryCommandBarControl>> controles_;
};

// A command bar: one of Word's context menus (built in, never deleted) or one added at run time.
class MemoryCommandBar final : public word::CommandBar {
 public:
  using Lista = std::vector<std::shared_ptr<MemoryCommandBar>>;

  MemoryCommandBar(std::string nombre, std::int32_t position, bool integrada, bool temporary,
                   bool conImagenes, std::weak_ptr<Lista> lista);

  std::shared_ptr<word::CommandBarControls> GetControls() const override;
  void Delete() override;
  bool GetEnabled() const override;
  void SetEnabled(bool enabled) override;
  // Tags are compared exactly; an empty tag finds a control without tag.
  std::shared_ptr<word::CommandBarControl> FindControl(const std::string& tag) const override;
  std::string GetName() const override;
  void SetName(const std::string& nombre) override;
  std::int32_t GetPosition() const override;
  void SetPosition(std::int32_t position) override;
  bool GetVisible() const override;
  void SetVisible(bool visible) override;
  // Never less than its visible buttons need.
  std::int32_t GetWidth() const override;
  void SetWidth(std::int32_t width) override;

  // Host side.
  // Bar names are compared without ASCII case, as Office does.
  static bool MismoNombre(std::string_view a, std::string_view b);
  bool GetTemporary() const;
  MemoryCommandBarControls& Coleccion() const;
  // Removes the bar, built in or not, with its controls.
  void Eliminar();

 private:
  void Comprobar() const;
  // Every member first checks that the bar still exists.
  template <typename T>
  const T& Leer(const T& campo) const {
    Comprobar();
    return campo;
  }
  template <typename T>
  void Escribir(T& campo, const T& valor) {
    Comprobar();
    campo = valor;
  }

  std::string nombre_;
  std::int32_t position_;
  bool integrada_;
  bool temporary_;
  bool enabled_ = true;
  bool visible_ = false;
  std::int32_t width_ = 0;
  bool borrada_ = false;
  std::weak_ptr<Lista> lista_;
  std::shared_ptr<MemoryCommandBarControls> controles_;
};

}  // namespace quillora::memory
