#include "dictionary/diccionario_muestra.h"

#include <gtest/gtest.h>

#include <set>

namespace quillora {
namespace {

TEST(DiccionarioMuestra, TheShippedSampleIsSound) {
  const auto& muestra = DiccionarioMuestra::Incorporado();
  for (const auto& problema : muestra.Problemas()) ADD_FAILURE() << problema;
  EXPECT_GE(muestra.entradas.size(), 2000u);
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

// A little dictionary whose classes say the shape of their entries, with these entries and,
// when given, one more morphological class.
DiccionarioMuestra ConEntradas(const std::vector<std::string>& entradas,
                               const std::string& otraClase = "") {
  std::string texto = R"({"morfologias": [
      {"id": 1, "nombre": "Sustantivo", "descripcion": "Sin más.", "forma": "una palabra"},
      {"id": 3, "nombre": "Grupo nominal", "descripcion": "Con él.", "forma": "con determinante"},
      {"id": 5, "nombre": "Expresión", "descripcion": "Varias.", "forma": "varias palabras"},
      {"id": 7, "nombre": "Forma con barra", "descripcion": "Con barra.", "forma": "barra"},
      {"id": 8, "nombre": "Tratamiento", "descripcion": "Cualquiera."})";
  if (!otraClase.empty()) texto += ", " + otraClase;
  texto += R"(],
    "sexismos": [{"id": 1, "nombre": "Masculino genérico", "descripcion": "Genérico."}],
    "determinantes": ["el", "la", "los", "las", "todo", "todos", "todas"],
    "adjetivos": ["técnico", "técnicos"],
    "entradas": [)";
  for (const auto& entrada : entradas) texto += (texto.back() == '[' ? "" : ", ") + entrada;
  return DiccionarioMuestra::Leer(texto + "]}");
}

std::string Entrada(const std::string& texto, int morfologia,
                    const std::vector<std::string>& alternativas) {
  std::string sustitutos;
  for (const auto& alternativa : alternativas) {
    sustitutos += std::string(sustitutos.empty() ? "" : ", ") + R"({"sustituto": ")" + alternativa +
                  R"(", "contexto": "Siempre."})";
  }
  return R"({"entrada": ")" + texto + R"(", "morfologia": )" + std::to_string(morfologia) +
         R"(, "sexismo": 1, "comentario": "Bien.", "sustitutos": [)" + sustitutos + "]}";
}

TEST(DiccionarioMuestra, FindsEachWordingThatWouldMarkTooMuchOrReadWrong) {
  const auto sanas = ConEntradas({
      Entrada("los técnicos", 3, {"el personal técnico", "los técnicos y las técnicas"}),
      Entrada("todos/as", 7, {"tanto todas como todos"}),
      Entrada("todos ustedes", 8, {"todas y todos ustedes"}),
      Entrada("hijos a cargo", 5, {"la descendencia a cargo"}),
  });
  EXPECT_EQ(sanas.Problemas(), std::vector<std::string>{});

  const struct {
    std::string entrada;
    std::string problema;
  } casos[] = {
      {Entrada("la mujer de", 5, {"la esposa de"}),
       "La entrada 1 («la mujer de») termina en «de», que pide otra palabra detrás"},
      {Entrada("los técnicos", 3, {"Los Técnicos"}),
       "la alternativa «Los Técnicos» es la misma entrada"},
      {Entrada("todos/as", 7, {"todas y todos"}),
       "la alternativa «todas y todos» empieza por «todas», que se quita"},
      {Entrada("todos/as", 7, {"todo el mundo"}),
       "la alternativa «todo el mundo» empieza por «todo», que se quita"},
      {Entrada("técnicos", 1, {"personal técnico"}),
       "empieza por «técnicos», que también es un adjetivo"},
      {Entrada("hombre de paja", 1, {"persona de paja"}),
       "tiene varias palabras, y su clase morfológica «Sustantivo»"},
      {Entrada("machote", 5, {"valiente"}),
       "es una sola palabra, y su clase morfológica «Expresión»"},
      {Entrada("señor director", 3, {"señora directora"}),
       "no empieza por un determinante de la lista"},
      {Entrada("alumnos", 7, {"alumnado"}), "no lleva barra"},
      {Entrada("padres/as de alumnos", 5, {"familias del alumnado"}), "lleva barra, y su clase"},
  };
  for (const auto& caso : casos) {
    const auto problemas = ConEntradas({caso.entrada}).Problemas();
    ASSERT_EQ(problemas.size(), 1u) << caso.entrada;
    EXPECT_NE(problemas[0].find(caso.problema), std::string::npos) << problemas[0];
  }

  const auto otraForma = ConEntradas(
      {}, R"({"id": 9, "nombre": "Plural", "descripcion": "Plural.", "forma": "plural"})");
  EXPECT_EQ(otraForma.Problemas(),
            std::vector<std::string>{"La clase morfológica «Plural» tiene la forma «plural», que "
                                     "no existe: use «una palabra», «varias palabras», «con "
                                     "determinante» o «barra»"});
}

}  // namespace
}  // namespace quillora
