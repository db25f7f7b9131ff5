#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A user's hand for the tests of the Windows dialogs: from another thread it answers the message
// boxes and chooses in the pop-up menus that the test's own thread shows, so that no test waits
// for a person.
namespace quillora::win32::prueba {

// A message box as it was shown.
struct MensajeVisto {
  std::string titulo;
  std::string texto;
  // IDOK, IDCANCEL, IDYES, IDNO: the buttons it had.
  std::vector<int> botones;
  // The icon: IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK or IDI_HAND; 0 for none.
  std::uintptr_t icono = 0;
};

// A pop-up menu as it was shown.
struct MenuVisto {
  std::vector<std::string> entradas;  // "-" for a separator
  std::vector<bool> habilitadas;
  int predeterminada = -1;  // its position, or -1
};

class Mano {
 public:
  // Acts on the windows of the calling thread.
  Mano();
  ~Mano();
  Mano(const Mano&) = delete;
  Mano& operator=(const Mano&) = delete;

  // The next message boxes are answered with these buttons, in order; then with their first.
  void Responder(std::vector<int> botones);
  // The next pop-up menu chooses its entry at this position (counting separators); -1 closes it.
  void Elegir(int posicion);

  std::vector<MensajeVisto> Mensajes() const;
  std::vector<MenuVisto> Menus() const;

 private:
  void Trabajar();
  void Contestar(HWND caja);
  void Escoger(HWND ventanaMenu);

  DWORD hilo_;
  std::atomic<bool> parar_{false};
  mutable std::mutex cerrojo_;
  std::vector<int> respuestas_;
  int eleccion_ = -1;
  std::vector<MensajeVisto> mensajes_;
  std::vector<MenuVisto> menus_;
  std::thread trabajador_;
};

// Ends the process when the test has not finished in time: a dialog that never closed must not
// hold the test run.
class Vigia {
 public:
  explicit Vigia(int segundos);
  ~Vigia();
  Vigia(const Vigia&) = delete;
  Vigia& operator=(const Vigia&) = delete;

 private:
  HANDLE fin_;
  std::thread hilo_;
};

}  // namespace quillora::win32::prueba
