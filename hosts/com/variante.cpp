#include "variante.h"

#include <cstring>
#include <new>
#include <utility>

#include "common/texto_unicode.h"

namespace quillora::com {

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

Variante::Variante() { VariantInit(&valor_); }

Variante::~Variante() { VariantClear(&valor_); }

Variante::Variante(const Variante& otra) : Variante() { *this = otra; }

Variante& Variante::operator=(const Variante& otra) {
  if (this != &otra && FAILED(VariantCopy(&valor_, const_cast<VARIANT*>(&otra.valor_))))
    throw std::bad_alloc();
  return *this;
}

Variante::Variante(Variante&& otra) noexcept : valor_(otra.valor_) { VariantInit(&otra.valor_); }

Variante& Variante::operator=(Variante&& otra) noexcept {
  std::swap(valor_, otra.valor_);
  return *this;
}

Variante Variante::Entero(std::int32_t valor) {
  Variante variante;
  variante.valor_.vt = VT_I4;
  variante.valor_.lVal = valor;
  return variante;
}

Variante Variante::Logico(bool valor) {
  Variante variante;
  variante.valor_.vt = VT_BOOL;
  variante.valor_.boolVal = valor ? VARIANT_TRUE : VARIANT_FALSE;
  return variante;
}

Variante Variante::Texto(std::string_view utf8) {
  Variante variante;
  variante.valor_.bstrVal = ABstr(utf8);
  variante.valor_.vt = VT_BSTR;
  return variante;
}

Variante Variante::Objeto(IDispatch* objeto) {
  Variante variante;
  variante.valor_.vt = VT_DISPATCH;
  variante.valor_.pdispVal = objeto;
  if (objeto != nullptr) objeto->AddRef();
  return variante;
}

Variante Variante::Omitido() {
  Variante variante;
  variante.valor_.vt = VT_ERROR;
  variante.valor_.scode = DISP_E_PARAMNOTFOUND;
  return variante;
}

VARIANT* Variante::Receptor() {
  VariantClear(&valor_);
  return &valor_;
}

VARIANT Variante::Soltar() {
  const VARIANT suelto = valor_;
  VariantInit(&valor_);
  return suelto;
}

}  // namespace quillora::com
