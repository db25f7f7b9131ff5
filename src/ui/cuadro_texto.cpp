#include "ui/cuadro_texto.h"

#include "common/rtf.h"
#include "common/texto_unicode.h"

namespace quillora::ui {

void CuadroTexto::SetText(std::string texto) {
  texto_ = std::move(texto);
  if (Change) Change();
}

void CuadroTexto::Escribir(std::string_view texto) {
  if (bloqueado_) return;
  if (!multilinea_) texto = texto.substr(0, texto.find_first_of("\r\n"));
  auto letras = texto::CodePoints(texto);
  if (maximo_ > 0 && letras.size() > static_cast<std::size_t>(maximo_)) {
    letras.resize(static_cast<std::size_t>(maximo_));
  }
  std::string escrito;
  for (const auto letra : letras) texto::AnadirUtf8(escrito, letra);
  SetText(std::move(escrito));
}

void TextoEnriquecido::SetText(std::string texto) {
  rtf_ = texto.empty() ? std::string() : rtf::DocumentoDeTexto(texto);
  CuadroTexto::SetText(std::move(texto));
}

void TextoEnriquecido::SetTextRTF(std::string rtf) {
  auto texto = rtf::TextoDeDocumento(rtf).value_or(rtf);
  // The document's last paragraph mark is the box's own end, not text.
  if (texto.ends_with('\n')) texto.pop_back();
  rtf_ = std::move(rtf);
  CuadroTexto::SetText(std::move(texto));
}

}  // namespace quillora::ui
