#include "dictionary/lista_entradas_clase.h"

#include "dictionary/clave_texto.h"
#include "dictionary/entrada.h"

namespace quillora {

template <typename C>
std::shared_ptr<Entrada> ListaEntradasClase<C>::Item(std::int32_t indice) const {
  return lista_.Item(indice);
}

template <typename C>
std::shared_ptr<Entrada> ListaEntradasClase<C>::ItemByText(std::string_view texto) const {
  return lista_.ItemByKey(ClaveTexto(texto));
}

template <typename C>
std::int32_t ListaEntradasClase<C>::Count() const {
  return lista_.Count();
}

template <typename C>
std::vector<std::shared_ptr<Entrada>> ListaEntradasClase<C>::NewEnum() const {
  return lista_.NewEnum();
}

template <typename C>
void ListaEntradasClase<C>::Add(const std::shared_ptr<Entrada>& entrada) {
  lista_.Add(entrada->Clave(), entrada);
}

template <typename C>
void ListaEntradasClase<C>::Remove(const std::shared_ptr<Entrada>& entrada) {
  // An entry whose key another listed entry already held was never listed itself.
  if (lista_.ItemByKey(entrada->Clave()) != entrada) return;
  lista_.RemoveByKey(entrada->Clave(), &SoltarClase);
}

template <typename C>
void ListaEntradasClase<C>::Clear() {
  lista_.Clear(&SoltarClase);
}

template <typename C>
void ListaEntradasClase<C>::SoltarClase(const std::shared_ptr<Entrada>& entrada) {
  entrada->template QuitarClase<C>();
}

template class ListaEntradasClase<Morfologia>;
template class ListaEntradasClase<Sexismo>;

}  // namespace quillora
