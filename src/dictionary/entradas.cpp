#include "dictionary/entradas.h"

#include <functional>
#include <string>

#include "dictionary/clave_texto.h"
#include "dictionary/permiso_creacion.h"

namespace quillora {

namespace {

// True when `mayusculas` is `clave`, or `clave` followed by a blank and possibly more.
bool EmpiezaPor(std::string_view mayusculas, std::string_view clave) {
  if (mayusculas.size() == clave.size()) return mayusculas == clave;
  return mayusculas.size() > clave.size() && mayusculas[clave.size()] == ' ' &&
         mayusculas.starts_with(clave);
}

}  // namespace

std::shared_ptr<Entrada> Entradas::Add(std::string_view texto) {
  auto entrada = std::make_shared<Entrada>(PermisoCreacion{}, std::string(texto));
  if (!lista_.Add(entrada->Clave(), entrada)) return nullptr;
  indice_.Add(entrada);
  prefijos_.Add(entrada);
  return entrada;
}

std::shared_ptr<Entrada> Entradas::Item(std::int32_t indice) const { return lista_.Item(indice); }

std::shared_ptr<Entrada> Entradas::ItemByText(std::string_view texto) const {
  return lista_.ItemByKey(ClaveTexto(texto));
}

EntradasResultado Entradas::ItemsByText(std::string_view texto) const {
  EntradasResultado resultado;
  const std::string clave = ClaveTexto(texto);
  // Keys are unique here, so no entry can come twice.
  for (const auto& entrada : indice_.Candidatos(clave)) {
    if (EmpiezaPor(entrada->Mayusculas(), clave)) resultado.Anadir(entrada);
  }
  return resultado;
}

void Entradas::Remove(std::int32_t indice) {
  lista_.Remove(indice, std::bind_front(&Entradas::Soltar, this));
}

void Entradas::Remove(std::string_view texto) {
  lista_.RemoveByKey(ClaveTexto(texto), std::bind_front(&Entradas::Soltar, this));
}

void Entradas::Clear() {
  // The index goes at once: taking entries off it one by one would cost time for nothing.
  lista_.Clear(&Desligar);
  indice_.Clear();
  prefijos_.Clear();
}

void Entradas::Soltar(const std::shared_ptr<Entrada>& entrada) {
  Desligar(entrada);
  indice_.Remove(*entrada);
  prefijos_.Remove(*entrada);
}

void Entradas::Desligar(const std::shared_ptr<Entrada>& entrada) {
  entrada->SetSexismo(nullptr);
  entrada->SetMorfologia(nullptr);
}

}  // namespace quillora
