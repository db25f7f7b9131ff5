#pragma once

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// The compact lists the sample dictionary is generated from, as read from data/fuentes/.
namespace quillora::diccionario {

// A noun of people with its four forms, worked out from the masculine singular unless written.
struct Persona {
  std::string masculino;
  std::string femenino;
  std::string plural;
  std::string pluralFemenino;
  std::vector<std::string> colectivos;        // with their article: "el alumnado"
  std::vector<std::string> singularGenerico;  // for the generic singular: "la dirección"
  std::string epiceno;                        // a feminine wording: "persona usuaria"
  std::string epicenoPlural;
  std::string puesto;  // the profession in job ads: "profesional de la ingeniería"
  std::string puestoPlural;
  bool adjetivo = false;  // also an ordinary adjective or participle after a noun
  bool profesion = false;
  bool conSingular = true;
  bool conPlural = true;
  bool soloAnuncio = false;

  // One form for both sexes: "el periodista", "la periodista".
  bool Comun() const { return masculino == femenino; }
};

// A determiner or quantifier in front of a noun of people, with its feminine for the
// alternatives and what it turns into before a collective noun of each article.
struct Determinante {
  std::string masculino;
  std::string femenino;
  std::map<std::string, std::string> colectivo;  // article → words: "el" → "del"
  bool epiceno = true;                           // alternatives with "persona…" too
  bool grupo = false;  // in the singular it speaks of every one: "todo ciudadano"
  std::string conjuncion;

  bool Invariable() const { return masculino == femenino; }
};

struct Verbo {
  std::string verbo;
  std::string singular;  // the verb for a collective: "se buscan" → "se busca"
  bool conSingular = true;
  bool conPlural = false;
};

// The classes of one kind of generated entry.
struct Clases {
  int morfologia = 0;
  int sexismo = 0;
};

struct Fuentes {
  nlohmann::ordered_json morfologias;
  nlohmann::ordered_json sexismos;
  Clases singular, plural, sinDeterminante, anuncio;
  std::vector<std::string> tablaDeterminantes;
  std::vector<Determinante> determinantesSingular;
  std::vector<Determinante> determinantesPlural;
  std::vector<Persona> personas;
  std::vector<Verbo> verbos;
  nlohmann::ordered_json manuales;  // entries written by hand, in the sample's own format
};

// Each argument is the content of one file of data/fuentes/: clases.json, determinantes.json,
// personas.json, anuncios.json and manuales.json. std::runtime_error with a Spanish message naming
// the file and the item when something is missing or wrong.
Fuentes LeerFuentes(const std::string& clases, const std::string& determinantes,
                    const std::string& personas, const std::string& anuncios,
                    const std::string& manuales);

Fuentes LeerCarpeta(const std::filesystem::path& carpeta);

}  // namespace quillora::diccionario
