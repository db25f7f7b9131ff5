#include "fuentes.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "morfologia.h"

namespace quillora::diccionario {

namespace {

using nlohmann::ordered_json;

ordered_json Analizar(const std::string& texto, const std::string& archivo) {
  try {
    return ordered_json::parse(texto);
  } catch (const ordered_json::exception& error) {
    throw std::runtime_error(archivo + " no es JSON válido: " + error.what());
  }
}

std::string Texto(const ordered_json& objeto, const std::string& clave) {
  return objeto.contains(clave) ? objeto.at(clave).get<std::string>() : std::string();
}

std::vector<std::string> Textos(const ordered_json& objeto, const std::string& clave) {
  return objeto.contains(clave) ? objeto.at(clave).get<std::vector<std::string>>()
                                : std::vector<std::string>();
}

Clases LeerClases(const ordered_json& generadas, const std::string& tipo) {
  const auto& clases = generadas.at(tipo);
  return {clases.at("morfologia").get<int>(), clases.at("sexismo").get<int>()};
}

std::vector<Determinante> LeerDeterminantes(const ordered_json& lista) {
  std::vector<Determinante> determinantes;
  for (const auto& d : lista) {
    Determinante leido;
    leido.masculino = d.at("m").get<std::string>();
    leido.femenino = d.at("f").get<std::string>();
    if (d.contains("colectivo"))
      leido.colectivo = d.at("colectivo").get<std::map<std::string, std::string>>();
    leido.epiceno = d.value("epiceno", true);
    leido.grupo = d.value("grupo", false);
    leido.conjuncion = d.value("conjuncion", std::string());
    determinantes.push_back(std::move(leido));
  }
  return determinantes;
}

Persona LeerPersona(const ordered_json& p) {
  Persona persona;
  persona.masculino = p.at("masculino").get<std::string>();
  persona.femenino = Texto(p, "femenino");
  if (persona.femenino.empty()) persona.femenino = DeclinarFrase(persona.masculino, Femenino);
  persona.plural = Texto(p, "plural");
  if (persona.plural.empty()) persona.plural = DeclinarFrase(persona.masculino, Plural);
  persona.pluralFemenino = Texto(p, "plural femenino");
  if (persona.pluralFemenino.empty()) {
    persona.pluralFemenino =
        persona.Comun() ? persona.plural : DeclinarFrase(persona.femenino, Plural);
  }
  persona.colectivos = Textos(p, "colectivos");
  persona.singularGenerico = Textos(p, "singular genérico");
  persona.epiceno = Texto(p, "epiceno");
  persona.epicenoPlural = Texto(p, "epiceno plural");
  if (persona.epicenoPlural.empty() && !persona.epiceno.empty())
    persona.epicenoPlural = DeclinarFrase(persona.epiceno, Plural);
  persona.puesto = Texto(p, "puesto");
  persona.puestoPlural = Texto(p, "puesto plural");
  if (persona.puestoPlural.empty() && !persona.puesto.empty())
    persona.puestoPlural = DeclinarFrase(persona.puesto, Plural);
  for (const auto& marca : Textos(p, "marcas")) {
    if (marca == "adjetivo") {
      persona.adjetivo = true;
    } else if (marca == "profesión") {
      persona.profesion = true;
    } else if (marca == "sin singular") {
      persona.conSingular = false;
    } else if (marca == "sin plural") {
      persona.conPlural = false;
    } else if (marca == "solo anuncio") {
      persona.soloAnuncio = true;
    } else {
      throw std::runtime_error("la marca «" + marca + "» no existe");
    }
  }
  for (const auto& colectivo : persona.colectivos) {
    if (colectivo.find(' ') == std::string::npos)
      throw std::runtime_error("el colectivo «" + colectivo + "» necesita su artículo");
  }
  return persona;
}

// Reads one file's items, naming the file and the item in any error.
template <typename Leer>
auto ConArchivo(const std::string& archivo, const ordered_json& item, Leer leer) {
  try {
    return leer(item);
  } catch (const std::exception& error) {
    throw std::runtime_error(archivo + ": " + item.dump() + ": " + error.what());
  }
}

std::string LeerArchivo(const std::filesystem::path& ruta) {
  std::ifstream archivo(ruta, std::ios::binary);
  if (!archivo) throw std::runtime_error("no se puede leer " + ruta.string());
  std::ostringstream contenido;
  contenido << archivo.rdbuf();
  return contenido.str();
}

}  // namespace

Fuentes LeerFuentes(const std::string& clases, const std::string& determinantes,
                    const std::string& personas, const std::string& anuncios,
                    const std::string& manuales) {
  Fuentes fuentes;
  const auto datosClases = Analizar(clases, "clases.json");
  ConArchivo("clases.json", datosClases, [&](const ordered_json& datos) {
    fuentes.morfologias = datos.at("morfologias");
    fuentes.sexismos = datos.at("sexismos");
    const auto& generadas = datos.at("generadas");
    fuentes.singular = LeerClases(generadas, "singular");
    fuentes.plural = LeerClases(generadas, "plural");
    fuentes.sinDeterminante = LeerClases(generadas, "sin determinante");
    fuentes.anuncio = LeerClases(generadas, "anuncio");
    return 0;
  });
  const auto datosDeterminantes = Analizar(determinantes, "determinantes.json");
  ConArchivo("determinantes.json", datosDeterminantes, [&](const ordered_json& datos) {
    fuentes.tablaDeterminantes = datos.at("tabla").get<std::vector<std::string>>();
    fuentes.determinantesSingular = LeerDeterminantes(datos.at("singular"));
    fuentes.determinantesPlural = LeerDeterminantes(datos.at("plural"));
    return 0;
  });
  const auto datosPersonas = Analizar(personas, "personas.json");
  for (const auto& persona : datosPersonas.at("personas")) {
    fuentes.personas.push_back(ConArchivo("personas.json", persona, LeerPersona));
  }
  const auto datosAnuncios = Analizar(anuncios, "anuncios.json");
  for (const auto& verbo : datosAnuncios.at("verbos")) {
    fuentes.verbos.push_back(ConArchivo("anuncios.json", verbo, [](const ordered_json& v) {
      const auto numero = v.at("numero").get<std::string>();
      if (numero != "singular" && numero != "plural" && numero != "ambos")
        throw std::runtime_error("el número «" + numero + "» no existe");
      const auto forma = v.at("verbo").get<std::string>();
      return Verbo{forma, v.value("singular", forma), numero != "plural", numero != "singular"};
    }));
  }
  fuentes.manuales = Analizar(manuales, "manuales.json").at("entradas");
  return fuentes;
}

Fuentes LeerCarpeta(const std::filesystem::path& carpeta) {
  return LeerFuentes(LeerArchivo(carpeta / "clases.json"),
                     LeerArchivo(carpeta / "determinantes.json"),
                     LeerArchivo(carpeta / "personas.json"), LeerArchivo(carpeta / "anuncios.json"),
                     LeerArchivo(carpeta / "manuales.json"));
}

}  // namespace quillora::diccionario
