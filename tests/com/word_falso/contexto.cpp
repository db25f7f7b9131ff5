#include "contexto.h"

#include <algorithm>

#include "variante.h"

namespace quillora::word_falso {

ObjetoFalso* Contexto::Unico(const Clave& clave) const {
  const auto encontrado = unicos_.find(clave);
  return encontrado == unicos_.end() ? nullptr : encontrado->second;
}

void Contexto::RegistrarUnico(const Clave& clave, ObjetoFalso* objeto) {
  unicos_.insert_or_assign(clave, objeto);
}

void Contexto::OlvidarUnico(const Clave& clave) { unicos_.erase(clave); }

DWORD Contexto::ConectarAplicacion(Microsoft::WRL::ComPtr<IDispatch> sumidero) {
  sumideros_.emplace_back(siguienteCookie_, std::move(sumidero));
  return siguienteCookie_++;
}

bool Contexto::DesconectarAplicacion(DWORD cookie) {
  return std::erase_if(sumideros_, [cookie](const auto& par) { return par.first == cookie; }) > 0;
}

std::vector<Microsoft::WRL::ComPtr<IDispatch>> Contexto::SumiderosAplicacion() const {
  std::vector<Microsoft::WRL::ComPtr<IDispatch>> sumideros;
  for (const auto& par : sumideros_) sumideros.push_back(par.second);
  return sumideros;
}

void Contexto::Lanzar(IDispatch* sumidero, DISPID id, std::vector<VARIANT> argumentos) {
  std::reverse(argumentos.begin(), argumentos.end());
  DISPPARAMS parametros{argumentos.data(), nullptr, static_cast<UINT>(argumentos.size()), 0};
  EXCEPINFO excepcion{};
  UINT argumentoErroneo = 0;
  ultimoResultado_ = sumidero->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                      &parametros, nullptr, &excepcion, &argumentoErroneo);
  // Word takes no notice of what a sink answers; the fake keeps it for tests.
  ultimaDescripcion_ =
      ultimoResultado_ == DISP_E_EXCEPTION ? com::DeBstr(excepcion.bstrDescription) : "";
  SysFreeString(excepcion.bstrSource);
  SysFreeString(excepcion.bstrDescription);
  SysFreeString(excepcion.bstrHelpFile);
}

void Contexto::RegistrarClick(const void* control, DWORD cookie) {
  clicks_.emplace(control, cookie);
}

bool Contexto::QuitarClick(const void* control, DWORD cookie) {
  return clicks_.erase({control, cookie}) > 0;
}

void Contexto::PonerImagen(const void* control, bool mascara,
                           Microsoft::WRL::ComPtr<IPicture> imagen) {
  imagenes_.insert_or_assign({control, mascara}, std::move(imagen));
}

Microsoft::WRL::ComPtr<IPicture> Contexto::ImagenDe(const void* control, bool mascara) const {
  const auto encontrada = imagenes_.find({control, mascara});
  return encontrada == imagenes_.end() ? nullptr : encontrada->second;
}

}  // namespace quillora::word_falso
