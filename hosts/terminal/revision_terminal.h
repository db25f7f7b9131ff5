#pragma once

#include <iosfwd>

namespace quillora {
class frmQuillora;
}

namespace quillora::terminal {

// The review dialog drawn in a terminal: the term in its context, the classifications, the
// information when asked for, the numbered alternatives; the user's answers, one per line, act
// as its buttons.
class RevisionTerminal {
 public:
  RevisionTerminal(std::istream& entrada, std::ostream& salida, bool colores);

  // Which mark of how many is under review, for the heading.
  void SetPosicion(int numero, int total);
  // Draws the dialog and acts on the answers until one of its buttons closes it.
  void Atender(frmQuillora& dialogo);
  // Whether the user asked to stop reviewing (or the input ended).
  bool GetTerminar() const { return terminar_; }

 private:
  void Dibujar(const frmQuillora& dialogo);
  // Acts on one answer; false when it means nothing.
  bool Responder(frmQuillora& dialogo, const std::string& respuesta);

  std::istream& entrada_;
  std::ostream& salida_;
  bool colores_;
  int numero_ = 0;
  int total_ = 0;
  bool terminar_ = false;
};

}  // namespace quillora::terminal
