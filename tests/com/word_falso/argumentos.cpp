#include "argumentos.h"

namespace quillora::word_falso {

Argumentos::Argumentos(const DISPPARAMS& llamada, std::size_t parametros)
    : valores_(parametros, nullptr) {
  const std::size_t nombrados = llamada.cNamedArgs;
  if (llamada.cArgs < nombrados || llamada.cArgs - nombrados > parametros) {
    throw ErrorDespacho{DISP_E_BADPARAMCOUNT};
  }
  const std::size_t posicionales = llamada.cArgs - nombrados;
  // Positional arguments come last, from the last to the first.
  for (std::size_t i = 0; i < posicionales; ++i) {
    valores_[i] = &llamada.rgvarg[llamada.cArgs - 1 - i];
  }
  for (std::size_t i = 0; i < nombrados; ++i) {
    const DISPID id = llamada.rgdispidNamedArgs[i];
    if (id < 0 || static_cast<std::size_t>(id) >= parametros || valores_[id] != nullptr) {
      throw ErrorDespacho{DISP_E_PARAMNOTFOUND};
    }
    valores_[id] = &llamada.rgvarg[i];
  }
}

Argumentos Argumentos::DeValor(const VARIANT& valor) {
  Argumentos argumentos;
  argumentos.valores_.push_back(&valor);
  return argumentos;
}

bool Argumentos::Presente(std::size_t posicion) const {
  if (posicion >= valores_.size() || valores_[posicion] == nullptr) return false;
  const VARIANT& valor = *valores_[posicion];
  return !(valor.vt == VT_ERROR && valor.scode == DISP_E_PARAMNOTFOUND);
}

const VARIANT& Argumentos::Crudo(std::size_t posicion) const {
  if (!Presente(posicion)) throw ErrorDespacho{DISP_E_PARAMNOTFOUND};
  return *valores_[posicion];
}

com::Variante Argumentos::Convertido(std::size_t posicion, VARTYPE tipo) const {
  com::Variante convertido;
  if (FAILED(VariantChangeType(convertido.Receptor(), const_cast<VARIANT*>(&Crudo(posicion)), 0,
                               tipo))) {
    throw ErrorDespacho{DISP_E_TYPEMISMATCH};
  }
  return convertido;
}

std::int32_t Argumentos::Entero(std::size_t posicion) const {
  return Convertido(posicion, VT_I4).Valor().lVal;
}

std::int32_t Argumentos::Entero(std::size_t posicion, std::int32_t siFalta) const {
  return Presente(posicion) ? Entero(posicion) : siFalta;
}

bool Argumentos::Logico(std::size_t posicion) const {
  return Convertido(posicion, VT_BOOL).Valor().boolVal != VARIANT_FALSE;
}

bool Argumentos::Logico(std::size_t posicion, bool siFalta) const {
  return Presente(posicion) ? Logico(posicion) : siFalta;
}

std::string Argumentos::Texto(std::size_t posicion) const {
  return com::DeBstr(Convertido(posicion, VT_BSTR).Valor().bstrVal);
}

std::string Argumentos::Texto(std::size_t posicion, const std::string& siFalta) const {
  return Presente(posicion) ? Texto(posicion) : siFalta;
}

Microsoft::WRL::ComPtr<IDispatch> Argumentos::Objeto(std::size_t posicion) const {
  return Convertido(posicion, VT_DISPATCH).Valor().pdispVal;
}

}  // namespace quillora::word_falso
