#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/control.h"

namespace quillora::ui {

// A text box. A box with a maximum length takes no more characters than that when the user
// types; text set by code is kept whole, as a desktop's text box does.
class CuadroTexto : public Control {
 public:
  using Control::Control;

  const std::string& GetText() const { return texto_; }
  virtual void SetText(std::string texto);
  bool GetLocked() const { return bloqueado_; }
  void SetLocked(bool bloqueado) { bloqueado_ = bloqueado; }
  // 0 for no limit.
  std::int32_t GetMaxLength() const { return maximo_; }
  void SetMaxLength(std::int32_t caracteres) { maximo_ = caracteres; }
  bool GetMultiLine() const { return multilinea_; }
  void SetMultiLine(bool multilinea) { multilinea_ = multilinea; }

  // The user types the text over what the box holds: cut to the maximum length, and to its first
  // line in a one-line box. Nothing changes in a locked box.
  void Escribir(std::string_view texto);

  std::function<void()> Change;

 private:
  std::string texto_;
  bool bloqueado_ = false;
  std::int32_t maximo_ = 0;
  bool multilinea_ = false;
};

// A rich text box: its document in TextRTF, and in Text the plain text the document shows.
class TextoEnriquecido : public CuadroTexto {
 public:
  using CuadroTexto::CuadroTexto;

  // Plain text typed or set: the box holds the one-font document of that text, and the empty
  // text for no text.
  void SetText(std::string texto) override;
  const std::string& GetTextRTF() const { return rtf_; }
  // A document the box cannot read is shown as plain text.
  void SetTextRTF(std::string rtf);

 private:
  std::string rtf_;
};

}  // namespace quillora::ui
