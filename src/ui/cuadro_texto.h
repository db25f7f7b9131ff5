#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace quillora::ui {

// A text box; a rich text box keeps its document in TextRTF as well.
class CuadroTexto : public Control {
 public:
  using Control::Control;

  const std::string& GetText() const { return texto_; }
  void SetText(std::string texto) {
    texto_ = std::move(texto);
    if (Change) Change();
  }
  bool GetLocked() const { return bloqueado_; }
  void SetLocked(bool bloqueado) { bloqueado_ = bloqueado; }

  std::function<void()> Change;

 private:
  std::string texto_;
  bool bloqueado_ = false;
};

class TextoEnriquecido : public CuadroTexto {
 public:
  using CuadroTexto::CuadroTexto;
  const std::string& GetTextRTF() const { return rtf_; }
  void SetTextRTF(std::string rtf) { rtf_ = std::move(rtf); }

 private:
  std::string rtf_;
};

}  // namespace quillora::ui
