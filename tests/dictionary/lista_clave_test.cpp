#include "dictionary/lista_clave.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quillora {
namespace {

using Lista = ListaClave<std::string>;

std::vector<std::string> Contenido(const Lista& lista) {
  std::vector<std::string> textos;
  for (const auto& item : lista.NewEnum()) textos.push_back(*item);
  return textos;
}

void Anadir(Lista& lista, const std::string& clave) {
  lista.Add(clave, std::make_shared<std::string>(clave));
}

template <typename Accion>
std::string Mensaje(Accion accion) {
  try {
    accion();
  } catch (const ErrorColeccion& error) {
    return error.what();
  }
  return "sin error";
}

TEST(ListaClave, PosicionOClaveAusenteEsErrorYNoCambiaNada) {
  Lista lista;
  EXPECT_EQ(Mensaje([&] { lista.Remove(1); }), "El índice 1 no es válido: la colección está vacía");
  for (const char* clave : {"A", "B", "C"}) Anadir(lista, clave);
  EXPECT_FALSE(lista.Add("A", std::make_shared<std::string>("otra")));
  for (const std::int32_t indice : {0, -1, 4}) {
    EXPECT_THROW(lista.Item(indice), ErrorColeccion) << indice;
    EXPECT_THROW(lista.Remove(indice), ErrorColeccion) << indice;
  }
  EXPECT_THROW(lista.RemoveByKey("a"), ErrorColeccion);
  EXPECT_EQ(Contenido(lista), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(Mensaje([&] { lista.Item(5); }), "El índice 5 está fuera del intervalo (1 a 3)");
  EXPECT_EQ(Mensaje([&] { lista.RemoveByKey("CASA"); }),
            "No hay ningún elemento con la clave «CASA»");
}

TEST(ListaClave, ElGanchoVeElElementoAunEnLaListaYClearLosTomaEnOrden) {
  Lista lista;
  for (const char* clave : {"A", "B", "C", "D"}) Anadir(lista, clave);
  std::vector<std::string> vistos;
  const auto gancho = [&](const std::shared_ptr<std::string>& item) {
    EXPECT_EQ(lista.ItemByKey(*item), item);
    vistos.push_back(*item);
  };
  lista.RemoveByKey("B", gancho);
  lista.Remove(2, gancho);
  lista.Clear(gancho);
  lista.Clear(gancho);
  EXPECT_EQ(vistos, (std::vector<std::string>{"B", "C", "A", "D"}));
  EXPECT_EQ(lista.Count(), 0);
}

// Removals from the front, the middle and by key, mixed with additions, leave the same items in
// the same order as in a plain vector.
TEST(ListaClave, IgualQueUnVectorTrasOperacionesAlAzar) {
  std::mt19937 azar(20240611);
  Lista lista;
  std::vector<std::string> modelo;
  for (int paso = 0; paso < 20000; ++paso) {
    const auto operacion = azar() % 10;
    if (operacion < 5 || modelo.empty()) {
      modelo.push_back(std::to_string(paso));
      Anadir(lista, modelo.back());
    } else if (operacion < 9) {
      // Mostly the first item, as when a list is emptied from the front.
      const auto posicion = operacion < 7 ? 0 : azar() % modelo.size();
      if (operacion == 8) {
        lista.RemoveByKey(modelo[posicion]);
      } else {
        lista.Remove(static_cast<std::int32_t>(posicion + 1));
      }
      modelo.erase(modelo.begin() + static_cast<std::ptrdiff_t>(posicion));
    } else if (azar() % 50 == 0) {
      lista.Clear();
      modelo.clear();
    }
    ASSERT_EQ(lista.Count(), static_cast<std::int32_t>(modelo.size()));
    if (modelo.empty()) continue;
    const auto posicion = azar() % modelo.size();
    ASSERT_EQ(*lista.Item(static_cast<std::int32_t>(posicion + 1)), modelo[posicion]);
    ASSERT_EQ(*lista.ItemByKey(modelo[posicion]), modelo[posicion]);
  }
  EXPECT_EQ(Contenido(lista), modelo);
}

}  // namespace
}  // namespace quillora
