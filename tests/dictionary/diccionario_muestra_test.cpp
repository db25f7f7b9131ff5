#include "dictionary/diccionario_muestra.h"

#include <gtest/gtest.h>

#include <set>

namespace quillora {
namespace {

TEST(DiccionarioMuestra, TheShippedSampleIsSound) {
  const auto& muestra = DiccionarioMuestra::Incorporado();
  for (const auto& problema : muestra.Problemas()) ADD_FAILURE() << problema;
  EXPECT_GE(muestra.entradas.size(), 400u);
  EXPECT_GE(muestra.morfologias.size(), 6u);
  EXPECT_GE(muestra.sexismos.size(), 6u);
  EXPECT_GE(muestra.determinantes.size(), 40u);
  std::set<std::int32_t> morfologias, sexismos;
  for (const auto& entrada : muestra.entradas) {
    morfologias.insert(entrada.morfologia);
    sexismos.insert(entrada.sexismo);
  }
  EXPECT_EQ(morfologias.size(), muestra.morfologias.size()) << "a morphological class is unused";
  EXPECT_EQ(sexismos.size(), muestra.sexismos.size()) << "a sexism class is unused";
}

TEST(DiccionarioMuestra, SaysWhichEntryIsWrongAndWhatToFix) {
  const auto muestra = DiccionarioMuestra::Leer(R"({
    "morfologias": [{"id": 1, "nombre": "Sustantivo", "descripcion": "Nombre."},
                    {"id": 1, "nombre": "Otra", "descripcion": ""}],
    "sexismos": [{"id": 2, "nombre": "Masculino genérico", "descripcion": "Uso genérico."}],
    "determinantes": ["el", "El", ""],
    "entradas": [
      {"entrada": "los alumnos", "morfologia": 1, "sexismo": 2, "comentario": "Bien.",
       "sustitutos": [{"sustituto": "el alumnado", "contexto": "Conjunto."}]},
      {"entrada": " Los Alumnos", "morfologia": 9, "sexismo": 1, "comentario": "",
       "sustitutos": []},
      {"entrada": "niños", "morfologia": 1, "sexismo": 2, "comentario": "Bien.",
       "sustitutos": [{"sustituto": "la infancia", "contexto": "x"},
                      {"sustituto": "La Infancia", "contexto": ""}]}
    ]})");
  const auto problemas = muestra.Problemas();
  auto menciona = [&](const std::string& a, const std::string& b) {
    for (const auto& problema : problemas) {
      if (problema.find(a) != std::string::npos && problema.find(b) != std::string::npos) {
        return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(menciona("«Otra»", "repite el id 1"));
  EXPECT_TRUE(menciona("1", "necesita nombre y descripción"));
  EXPECT_TRUE(menciona("«El»", "repetido"));
  EXPECT_TRUE(menciona("La entrada 2 (« Los Alumnos»)", "ninguno al principio"));
  EXPECT_TRUE(menciona("La entrada 2", "repite la clave de la entrada 1"));
  EXPECT_TRUE(menciona("La entrada 2", "clase morfológica 9, que no existe"));
  EXPECT_TRUE(menciona("La entrada 2", "clase de sexismo 1, que no existe"));
  EXPECT_TRUE(menciona("La entrada 2", "necesita un comentario"));
  EXPECT_TRUE(menciona("La entrada 2", "al menos una alternativa"));
  EXPECT_TRUE(menciona("La entrada 3 («niños»)", "repite la alternativa «La Infancia»"));
  EXPECT_TRUE(menciona("La entrada 3", "necesita texto sin blancos sobrantes y un contexto"));
  EXPECT_FALSE(menciona("La entrada 1", ""));
  EXPECT_EQ(problemas.size(), 12u);

  EXPECT_THROW(DiccionarioMuestra::Leer("{\"entradas\": 3}"), std::runtime_error);
  EXPECT_THROW(DiccionarioMuestra::Leer("no es json"), std::runtime_error);
}

}  // namespace
}  // namespace quillora
