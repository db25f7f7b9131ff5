#include "valor.h"

#include <cstring>
#include <new>
#include <utility>

#include "common/texto_unicode.h"

namespace quillora::word_falso {

BSTR ABstr(std::string_view utf8) {
  const auto utf16 = texto::Utf8AUtf16(utf8);
  BSTR bstr = SysAllocStringLen(nullptr, static_cast<UINT>(utf16.size()));
  if (bstr == nullptr) throw std::bad_alloc();
  std::memcpy(bstr, utf16.data(), utf16.size() * sizeof(char16_t));
  return bstr;
}

std::string DeBstr(const BSTR bstr) {
  std::u16string utf16(SysStringLen(bstr), u'\0');
  if (!utf16.empty()) std::memcpy(utf16.data(), bstr, utf16.size() * sizeof(char16_t));
  return texto::Utf16AUtf8(utf16);
}

Valor::Valor() { VariantInit(&valor_); }

Valor::~Valor() { VariantClear(&valor_); }

Valor::Valor(Valor&& otro) noexcept : valor_(otro.valor_) { VariantInit(&otro.valor_); }

Valor& Valor::operator=(Valor&& otro) noexcept {
  std::swap(valor_, otro.valor_);
  return *this;
}

Valor Valor::Entero(std::int32_t valor) {
  Valor resultado;
  resultado.valor_.vt = VT_I4;
  resultado.valor_.lVal = valor;
  return resultado;
}

Valor Valor::Logico(bool valor) {
  Valor resultado;
  resultado.valor_.vt = VT_BOOL;
  resultado.valor_.boolVal = valor ? VARIANT_TRUE : VARIANT_FALSE;
  return resultado;
}

Valor Valor::Texto(std::string_view utf8) {
  Valor resultado;
  resultado.valor_.bstrVal = ABstr(utf8);
  resultado.valor_.vt = VT_BSTR;
  return resultado;
}

Valor Valor::Objeto(ComPtr<IDispatch> objeto) {
  Valor resultado;
  resultado.valor_.vt = VT_DISPATCH;
  resultado.valor_.pdispVal = objeto.Detach();
  return resultado;
}

void Valor::Entregar(VARIANT* destino) {
  *destino = valor_;
  VariantInit(&valor_);
}

}  // namespace quillora::word_falso
