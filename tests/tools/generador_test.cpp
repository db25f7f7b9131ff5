#include "generador.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "fuentes.h"

namespace quillora::diccionario {
namespace {

using nlohmann::ordered_json;
using Textos = std::vector<std::string>;

const std::string kClases = R"({
  "morfologias": [{"id": 3, "nombre": "Grupo nominal", "descripcion": "Con determinante."}],
  "sexismos": [{"id": 1, "nombre": "Masculino genérico", "descripcion": "Genérico."}],
  "generadas": {"singular": {"morfologia": 3, "sexismo": 1}, "plural": {"morfologia": 3, "sexismo": 1},
                "sin determinante": {"morfologia": 2, "sexismo": 1},
                "anuncio": {"morfologia": 10, "sexismo": 1}}})";

const std::string kDeterminantes = R"({
  "tabla": ["el", "los"],
  "singular": [
    {"m": "el", "f": "la", "colectivo": {"el": "el", "la": "la"}},
    {"m": "del", "f": "de la", "colectivo": {"el": "del", "la": "de la"}},
    {"m": "al", "f": "a la"},
    {"m": "cada", "f": "cada"},
    {"m": "todo", "f": "toda", "grupo": true, "colectivo": {"el": "todo el", "la": "toda la"}}],
  "plural": [
    {"m": "los", "f": "las", "colectivo": {"el": "el", "la": "la"}},
    {"m": "sus", "f": "sus", "epiceno": false, "colectivo": {"el": "su", "la": "su"}},
    {"m": "dos", "f": "dos", "conjuncion": "o"}]})";

const std::string kPersonas = R"({"personas": [
  {"masculino": "usuario", "epiceno": "persona usuaria"},
  {"masculino": "ciudadano", "colectivos": ["la ciudadanía"], "singular genérico": ["la ciudadanía"],
   "marcas": ["adjetivo"]},
  {"masculino": "periodista", "marcas": ["profesión"]},
  {"masculino": "investigador", "marcas": ["sin singular"]},
  {"masculino": "jefe de cocina", "femenino": "jefa de cocina", "marcas": ["solo anuncio", "profesión"],
   "puesto": "personal de cocina", "puesto plural": "personal de cocina"}]})";

const std::string kAnuncios = R"({"verbos": [
  {"verbo": "se busca", "numero": "singular"},
  {"verbo": "se buscan", "numero": "plural", "singular": "se busca"},
  {"verbo": "buscamos", "numero": "ambos"}]})";

std::string Manuales(const std::string& entradas) { return R"({"entradas": [)" + entradas + "]}"; }

const std::string kLosUsuarios = R"({"entrada": "los usuarios", "morfologia": 3, "sexismo": 1,
  "comentario": "A mano.", "sustitutos": [{"sustituto": "el público", "contexto": "Siempre."}]})";

ordered_json Generar(const std::string& personas = kPersonas,
                     const std::string& manuales = Manuales(kLosUsuarios)) {
  return GenerarDiccionario(LeerFuentes(kClases, kDeterminantes, personas, kAnuncios, manuales));
}

// Each entry's alternatives, by the entry's text.
std::map<std::string, Textos> Alternativas(const ordered_json& diccionario) {
  std::map<std::string, Textos> alternativas;
  for (const auto& entrada : diccionario.at("entradas")) {
    auto& lista = alternativas[entrada.at("entrada").get<std::string>()];
    for (const auto& sustituto : entrada.at("sustitutos"))
      lista.push_back(sustituto.at("sustituto"));
  }
  return alternativas;
}

TEST(GeneradorDiccionario, AgreementContractionsDoubletsAndJobAds) {
  const auto alternativas = Alternativas(Generar());
  const std::map<std::string, Textos> esperadas = {
      {"el usuario", {"la persona usuaria", "el usuario o la usuaria"}},
      {"del usuario", {"de la persona usuaria", "del usuario o de la usuaria"}},
      {"al usuario", {"a la persona usuaria", "al usuario o a la usuaria"}},
      {"cada usuario", {"cada persona usuaria", "cada usuario o usuaria"}},
      {"todo usuario", {"toda persona usuaria", "todo usuario o toda usuaria"}},
      {"los usuarios", {"el público"}},
      {"sus usuarios", {"sus usuarios y usuarias"}},
      {"dos usuarios", {"dos personas usuarias", "dos usuarios o usuarias"}},
      {"usuarios", {"personas usuarias", "usuarios y usuarias"}},
      {"el ciudadano", {"la ciudadanía", "el ciudadano o la ciudadana"}},
      {"del ciudadano", {"de la ciudadanía", "del ciudadano o de la ciudadana"}},
      {"todo ciudadano", {"toda la ciudadanía", "todo ciudadano o toda ciudadana"}},
      {"los ciudadanos", {"la ciudadanía", "los ciudadanos y las ciudadanas"}},
      {"el periodista", {"el o la periodista"}},
      {"los periodistas", {"los periodistas y las periodistas", "las y los periodistas"}},
      {"sus investigadores", {"sus investigadores e investigadoras"}},
      {"se busca jefe de cocina",
       {"se busca jefe o jefa de cocina", "se busca jefe/a de cocina",
        "se busca personal de cocina"}},
      {"se buscan jefes de cocina",
       {"se buscan jefes y jefas de cocina", "se busca personal de cocina"}},
  };
  for (const auto& [entrada, lista] : esperadas) {
    ASSERT_TRUE(alternativas.contains(entrada)) << entrada;
    EXPECT_EQ(alternativas.at(entrada), lista) << entrada;
  }
  // No bare adjective, no singular left out, no determiner that marks no sex, no ad for a noun
  // common to both sexes, no determiner forms for a noun that only gives ads.
  for (const auto* ausente :
       {"ciudadanos", "ciudadano", "el investigador", "cada periodista", "sus periodistas",
        "se busca periodista", "buscamos jefes de cocina", "el jefe de cocina"}) {
    EXPECT_FALSE(alternativas.contains(ausente)) << ausente;
  }
}

TEST(GeneradorDiccionario, HandEntriesComeFirstAndWinAndTheOutputNeverChanges) {
  const auto diccionario = Generar();
  const auto& entradas = diccionario.at("entradas");
  EXPECT_EQ(entradas.at(0).at("comentario"), "A mano.");
  int veces = 0;
  for (const auto& entrada : entradas) veces += entrada.at("entrada") == "los usuarios";
  EXPECT_EQ(veces, 1);
  EXPECT_EQ(entradas.at(1).at("entrada"), "el usuario");  // then the lists, in their order
  EXPECT_EQ(diccionario.at("determinantes"), (Textos{"el", "los"}));
  EXPECT_EQ(diccionario.at("adjetivos"), (Textos{"ciudadano", "ciudadanos"}));
  for (const auto& entrada : entradas) {
    const auto& comentario = entrada.at("comentario").get<std::string>();
    if (entrada.at("entrada") != "el ciudadano") continue;
    EXPECT_NE(comentario.find("«el ciudadano»"), std::string::npos) << comentario;
    EXPECT_NE(comentario.find("«la ciudadanía»"), std::string::npos) << comentario;
    for (const auto& sustituto : entrada.at("sustitutos")) EXPECT_NE(sustituto.at("contexto"), "");
  }
  EXPECT_EQ(Escribir(diccionario), Escribir(Generar()));
  EXPECT_EQ(ordered_json::parse(Escribir(diccionario)), diccionario);
}

TEST(GeneradorDiccionario, RefusesListsThatGiveOneEntryTwice) {
  const std::string repetidas =
      R"({"personas": [{"masculino": "usuario"}, {"masculino": "Usuario"}]})";
  try {
    Generar(repetidas, Manuales(""));
    FAIL() << "two nouns gave «el usuario»";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("«el Usuario»"), std::string::npos) << error.what();
  }
  EXPECT_THROW(Generar(R"({"personas": [{"masculino": "usuario", "marcas": ["raro"]}]})"),
               std::runtime_error);
  EXPECT_THROW(Generar(R"({"personas": [{"masculino": "usuario", "colectivos": ["público"]}]})"),
               std::runtime_error);
}

}  // namespace
}  // namespace quillora::diccionario
