#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/control.h"

namespace quillora::ui {

// Mouse pointers, with the desktop's numbers.
enum class Puntero : std::int32_t { Predeterminado = 0, Flecha = 1, RelojDeArena = 11 };

// Who asks a window to close: the user (close box, system menu) or the window's own code.
enum class ModoCierre : std::int32_t { Usuario = 0, Codigo = 1 };

// A window: caption, height, pointer and controls, with the life a desktop gives it. It loads
// once, may be activated many times, and closes only when its close request is not refused.
class Formulario {
 public:
  explicit Formulario(std::string caption) : caption_(std::move(caption)) {}
  virtual ~Formulario() = default;
  Formulario(const Formulario&) = delete;
  Formulario& operator=(const Formulario&) = delete;

  const std::string& GetCaption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  std::int32_t GetHeight() const { return alto_; }
  void SetHeight(std::int32_t alto) { alto_ = alto; }
  Puntero GetMousePointer() const { return puntero_; }
  void SetMousePointer(Puntero puntero) { puntero_ = puntero; }
  const std::vector<Control*>& Controles() const { return controles_; }
  // The desktop's window for the form; 0 while it has drawn none.
  std::intptr_t GetHwnd() const { return hwnd_; }
  void SetHwnd(std::intptr_t hwnd) { hwnd_ = hwnd; }
  bool GetCargado() const { return cargado_; }
  // The control that has the focus; none before any control took it.
  Control* GetActiveControl() const { return activo_; }
  void SetActiveControl(Control* control) { activo_ = control; }

  // Driven by the desktop.
  void Load();
  void Activate();
  // Asks the window to close; answers whether it did.
  bool Unload(ModoCierre modo);

 protected:
  // The controls a front end draws, in tab order; each gets this window as its parent.
  void Registrar(std::initializer_list<Control*> controles);

  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_QueryUnload(bool& cancel, ModoCierre modo);
  virtual void Form_Unload() {}

 private:
  std::string caption_;
  std::int32_t alto_ = 0;
  Puntero puntero_ = Puntero::Predeterminado;
  std::vector<Control*> controles_;
  bool cargado_ = false;
  std::intptr_t hwnd_ = 0;
  Control* activo_ = nullptr;
};

}  // namespace quillora::ui
