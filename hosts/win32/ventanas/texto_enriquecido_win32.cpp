#include <cstring>

#include "common/rtf.h"
#include "controles.h"
#include "texto_win32.h"
#include "ui/cuadro_texto.h"

// After the Windows headers the controls bring.
#include <richedit.h>

namespace quillora::win32 {

namespace {

// A document whose characters beyond ASCII are written into it as UTF-8 says them as "\uN?":
// the control reads the bytes of a document in its code page.
std::string DocumentoAscii(std::string_view documento) {
  std::string ascii;
  ascii.reserve(documento.size());
  for (const char32_t c : texto::CodePoints(documento)) {
    if (c < 0x80) {
      ascii += static_cast<char>(c);
      continue;
    }
    std::string letra;
    texto::AnadirUtf8(letra, c);
    for (const char16_t unidad : texto::Utf8AUtf16(letra)) {
      ascii += "\\u" + std::to_string(static_cast<std::int16_t>(unidad)) + "?";
    }
  }
  return ascii;
}

struct Lectura {
  std::string_view resto;
};

DWORD CALLBACK Entregar(DWORD_PTR cookie, LPBYTE destino, LONG cabe, LONG* entregado) {
  auto& lectura = *reinterpret_cast<Lectura*>(cookie);
  const auto parte = std::min<std::size_t>(lectura.resto.size(), static_cast<std::size_t>(cabe));
  std::memcpy(destino, lectura.resto.data(), parte);
  lectura.resto.remove_prefix(parte);
  *entregado = static_cast<LONG>(parte);
  return 0;
}

DWORD CALLBACK Recoger(DWORD_PTR cookie, LPBYTE origen, LONG cuantos, LONG* recogido) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(origen),
                                                 static_cast<std::size_t>(cuantos));
  *recogido = cuantos;
  return 0;
}

}  // namespace

TextoEnriquecidoWin32::TextoEnriquecidoWin32(Anfitrion& anfitrion, ui::TextoEnriquecido& modelo,
                                             int id)
    : ControlWin32(anfitrion, modelo, id), caja_(modelo) {}

void TextoEnriquecidoWin32::Crear(const RECT& rect, const Colocacion& /*colocacion*/) {
  static const HMODULE biblioteca = LoadLibraryW(L"riched20.dll");
  if (biblioteca == nullptr) throw std::runtime_error("No se ha podido cargar riched20.dll");
  const HWND ventana =
      CrearVentana(WS_EX_CLIENTEDGE, RICHEDIT_CLASSW, L"",
                   WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, rect);
  SendMessageW(ventana, EM_SETEVENTMASK, 0, ENM_CHANGE);
}

void TextoEnriquecidoWin32::ActualizarContenido() {
  const int bloqueado = caja_.GetLocked() ? 1 : 0;
  if (bloqueado != bloqueado_) {
    SendMessageW(GetHwnd(), EM_SETREADONLY, static_cast<WPARAM>(bloqueado), 0);
    bloqueado_ = bloqueado;
  }
  if (caja_.GetTextRTF() == rtf_ && caja_.GetText() == texto_) return;
  rtf_ = caja_.GetTextRTF();
  texto_ = caja_.GetText();
  if (rtf_.empty() || !rtf::LeerDocumento(rtf_)) {
    // No document, or one the box cannot read: its plain text.
    SetWindowTextW(GetHwnd(), Ancho(texto_).c_str());
    return;
  }
  const auto documento = DocumentoAscii(rtf_);
  Lectura lectura{documento};
  EDITSTREAM flujo{reinterpret_cast<DWORD_PTR>(&lectura), 0, Entregar};
  SendMessageW(GetHwnd(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&flujo));
}

void TextoEnriquecidoWin32::Comando(WORD /*id*/, WORD codigo) {
  if (codigo != EN_CHANGE || anfitrion_.Actualizando() || caja_.GetLocked()) return;
  // The box's document as the control writes it; the empty text when it holds none.
  std::string documento;
  if (GetWindowTextLengthW(GetHwnd()) > 0) {
    EDITSTREAM flujo{reinterpret_cast<DWORD_PTR>(&documento), 0, Recoger};
    SendMessageW(GetHwnd(), EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&flujo));
  }
  if (documento == rtf_) return;
  anfitrion_.Atender([this, &documento] {
    caja_.SetTextRTF(documento);
    rtf_ = caja_.GetTextRTF();
    texto_ = caja_.GetText();
  });
}

}  // namespace quillora::win32
