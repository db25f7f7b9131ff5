#include "despacho.h"

#include <utility>

#include "word/host_error.h"

namespace quillora::com {

namespace {

std::wstring Ancho(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

}  // namespace

Resultado::Resultado(std::string_view miembro, Variante valor)
    : miembro_(miembro), valor_(std::move(valor)) {}

Variante Resultado::Convertida(VARTYPE tipo) const {
  Variante convertida;
  const HRESULT hr =
      VariantChangeType(convertida.Receptor(), const_cast<VARIANT*>(&valor_.Valor()), 0, tipo);
  if (FAILED(hr)) {
    LanzarFallo(hr, "Word ha devuelto un valor de un tipo inesperado en «" + miembro_ + "»");
  }
  return convertida;
}

std::int32_t Resultado::Entero() const { return Convertida(VT_I4).Valor().lVal; }

bool Resultado::Logico() const { return Convertida(VT_BOOL).Valor().boolVal != VARIANT_FALSE; }

std::string Resultado::Texto() const {
  if (valor_.Valor().vt == VT_NULL) return {};
  return DeBstr(Convertida(VT_BSTR).Valor().bstrVal);
}

ComPtr<IDispatch> Resultado::Objeto() const {
  const auto tipo = valor_.Valor().vt;
  if (tipo == VT_EMPTY || tipo == VT_NULL) return nullptr;
  return Convertida(VT_DISPATCH).Valor().pdispVal;
}

ComPtr<IDispatch> Resultado::ObjetoPresente() const {
  auto objeto = Objeto();
  if (!objeto) throw word::HostError("Word no ha devuelto ningún objeto en «" + miembro_ + "»");
  return objeto;
}

Despacho::Despacho(ComPtr<IDispatch> objeto) : objeto_(std::move(objeto)) {
  if (!objeto_) throw word::HostError("Falta el objeto de Word");
}

Miembro Despacho::Buscar(std::string_view nombre) const {
  auto ancho = Ancho(nombre);
  LPOLESTR nombres[] = {ancho.data()};
  DISPID id = DISPID_UNKNOWN;
  const HRESULT hr = objeto_->GetIDsOfNames(IID_NULL, nombres, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) LanzarFalloMiembro(hr, nombre, Operacion::Buscar, nullptr);
  return {nombre, id};
}

Resultado Despacho::Leer(std::string_view propiedad) const {
  return Invocar(Buscar(propiedad), DISPATCH_PROPERTYGET, Operacion::Leer, {}, {});
}

void Despacho::Escribir(std::string_view propiedad, const Variante& valor) const {
  Escribir(Buscar(propiedad), valor);
}

void Despacho::Escribir(const Miembro& propiedad, const Variante& valor) const {
  Invocar(propiedad, DISPATCH_PROPERTYPUT, Operacion::Escribir, {valor.Valor()},
          {DISPID_PROPERTYPUT});
}

Resultado Despacho::Llamar(std::string_view metodo, const std::vector<Variante>& argumentos) const {
  std::vector<VARIANT> invertidos;
  for (auto it = argumentos.rbegin(); it != argumentos.rend(); ++it) {
    invertidos.push_back(it->Valor());
  }
  return Invocar(Buscar(metodo), DISPATCH_METHOD, Operacion::Llamar, std::move(invertidos), {});
}

Resultado Despacho::LlamarConNombre(std::string_view metodo, std::string_view parametro,
                                    const Variante& valor) const {
  auto anchoMetodo = Ancho(metodo);
  auto anchoParametro = Ancho(parametro);
  LPOLESTR nombres[] = {anchoMetodo.data(), anchoParametro.data()};
  DISPID ids[] = {DISPID_UNKNOWN, DISPID_UNKNOWN};
  const HRESULT hr = objeto_->GetIDsOfNames(IID_NULL, nombres, 2, LOCALE_USER_DEFAULT, ids);
  if (FAILED(hr)) {
    // The method was found and its parameter was not: both names go into the message.
    const auto nombre = ids[0] == DISPID_UNKNOWN
                            ? std::string(metodo)
                            : std::string(metodo) + "(" + std::string(parametro) + ")";
    LanzarFalloMiembro(hr, nombre, Operacion::Buscar, nullptr);
  }
  return Invocar({metodo, ids[0]}, DISPATCH_METHOD, Operacion::Llamar, {valor.Valor()}, {ids[1]});
}

Resultado Despacho::Item(const Variante& indice) const {
  return Invocar(Buscar("Item"), DISPATCH_METHOD | DISPATCH_PROPERTYGET, Operacion::Llamar,
                 {indice.Valor()}, {});
}

Resultado Despacho::Invocar(const Miembro& miembro, WORD flags, Operacion operacion,
                            std::vector<VARIANT> argumentos, std::vector<DISPID> nombrados) const {
  DISPPARAMS parametros{argumentos.data(), nombrados.data(), static_cast<UINT>(argumentos.size()),
                        static_cast<UINT>(nombrados.size())};
  Variante resultado;
  EXCEPINFO excepcion{};
  UINT argumentoErroneo = 0;
  const HRESULT hr = objeto_->Invoke(miembro.id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parametros,
                                     resultado.Receptor(), &excepcion, &argumentoErroneo);
  if (FAILED(hr)) {
    LanzarFalloMiembro(hr, miembro.nombre, operacion,
                       hr == DISP_E_EXCEPTION ? &excepcion : nullptr);
  }
  return {miembro.nombre, std::move(resultado)};
}

}  // namespace quillora::com
