#pragma once

#include <cstdint>
#include <string>

namespace quillora::ui {

class Formulario;

// What every control has. A control never draws: a front end draws it from these properties and
// sends the user's input to its handlers.
class Control {
 public:
  explicit Control(std::string nombre) : nombre_(std::move(nombre)) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& GetName() const { return nombre_; }
  bool GetEnabled() const { return habilitado_; }
  void SetEnabled(bool habilitado) { habilitado_ = habilitado; }
  bool GetVisible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  const std::string& GetTag() const { return tag_; }
  void SetTag(std::string tag) { tag_ = std::move(tag); }
  // The desktop's window for the control; 0 while it has drawn none.
  std::intptr_t GetHwnd() const { return hwnd_; }
  void SetHwnd(std::intptr_t hwnd) { hwnd_ = hwnd; }
  // The window the control is placed on; none until a window registers it.
  Formulario* GetParent() const { return padre_; }
  void SetParent(Formulario* padre) { padre_ = padre; }
  // Makes the control its window's active one; a control on no window cannot take the focus.
  void SetFocus();

 private:
  std::string nombre_;
  bool habilitado_ = true;
  bool visible_ = true;
  std::string tag_;
  std::intptr_t hwnd_ = 0;
  Formulario* padre_ = nullptr;
};

}  // namespace quillora::ui
