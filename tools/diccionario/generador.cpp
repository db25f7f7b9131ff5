#include "generador.h"

#include <set>
#include <stdexcept>
#include <vector>

#include "common/texto_unicode.h"
#include "morfologia.h"

namespace quillora::diccionario {

namespace {

using nlohmann::ordered_json;

constexpr const char* kColectivo = "Nombre colectivo: abarca al grupo entero sin marcar el sexo.";
constexpr const char* kFuncion =
    "Nombra el cargo, la función o el conjunto en lugar de a una persona de un sexo.";
constexpr const char* kEpiceno = "Forma sin marca de sexo: nombra a la persona por su condición.";
constexpr const char* kDesdobleSingular =
    "Desdoblamiento: nombra a la mujer o al hombre, según quien sea; conviene no repetirlo a lo "
    "largo del texto.";
constexpr const char* kDesdoblePlural =
    "Desdoblamiento: nombra a las mujeres y a los hombres del grupo; conviene no repetirlo a lo "
    "largo del texto.";
constexpr const char* kDesdobleDeterminante =
    "Desdoblamiento en el determinante, para un nombre que tiene la misma forma para los dos "
    "sexos.";
constexpr const char* kBarra =
    "Forma con barra: admisible en anuncios breves, formularios y espacios reducidos.";
constexpr const char* kPuesto =
    "Nombra la profesión o el ámbito de trabajo sin presuponer el sexo de quien ocupe el puesto.";
constexpr const char* kDesdobleAnuncio =
    "Desdoblamiento: deja claro que el puesto se ofrece a mujeres y a hombres.";

std::string Clave(const std::string& texto) { return texto::Mayusculas(texto); }

std::string Juntar(const std::string& a, const std::string& b) { return a + " " + b; }

// A collective noun with its article split off: "el alumnado" → {"el", "alumnado"}.
std::pair<std::string, std::string> Articulo(const std::string& colectivo) {
  const auto blanco = colectivo.find(' ');
  return {colectivo.substr(0, blanco), colectivo.substr(blanco + 1)};
}

// The alternatives of one entry, each once and never the entry itself.
class Alternativas {
 public:
  explicit Alternativas(const std::string& entrada) { vistas_.insert(Clave(entrada)); }

  void Agregar(const std::string& texto, const char* contexto) {
    if (vistas_.insert(Clave(texto)).second) lista_.push_back({texto, contexto});
  }

  // The collectives of `colectivos` as the determiner turns them; those whose article it has no
  // form for are left out.
  void Colectivos(const std::vector<std::string>& colectivos, const Determinante& determinante,
                  const char* contexto) {
    for (const auto& colectivo : colectivos) {
      const auto [articulo, nombre] = Articulo(colectivo);
      const auto forma = determinante.colectivo.find(articulo);
      if (forma != determinante.colectivo.end()) Agregar(Juntar(forma->second, nombre), contexto);
    }
  }

  const std::vector<std::pair<std::string, std::string>>& Lista() const { return lista_; }

 private:
  std::set<std::string> vistas_;
  std::vector<std::pair<std::string, std::string>> lista_;
};

class Generador {
 public:
  explicit Generador(const Fuentes& fuentes) : fuentes_(fuentes) {}

  ordered_json Generar() {
    for (const auto& entrada : fuentes_.manuales) {
      manuales_.insert(Clave(entrada.at("entrada").get<std::string>()));
      entradas_.push_back(entrada);
    }
    for (const auto& persona : fuentes_.personas) {
      if (!persona.soloAnuncio) {
        if (persona.conSingular) Singulares(persona);
        if (persona.conPlural) Plurales(persona);
        if (persona.conPlural && !persona.adjetivo && !persona.Comun()) {
          PluralSinDeterminante(persona);
        }
      }
      if (persona.profesion && !persona.Comun()) Anuncios(persona);
    }
    ordered_json diccionario;
    diccionario["morfologias"] = fuentes_.morfologias;
    diccionario["sexismos"] = fuentes_.sexismos;
    diccionario["determinantes"] = fuentes_.tablaDeterminantes;
    diccionario["adjetivos"] = Adjetivos();
    diccionario["entradas"] = std::move(entradas_);
    return diccionario;
  }

 private:
  void Singulares(const Persona& p) {
    for (const auto& d : fuentes_.determinantesSingular) {
      if (p.Comun() && d.Invariable()) continue;  // "cada periodista" marks no sex
      const auto entrada = Juntar(d.masculino, p.masculino);
      Alternativas alternativas(entrada);
      if (d.grupo) {
        alternativas.Colectivos(p.colectivos, d, kColectivo);
      } else {
        alternativas.Colectivos(p.singularGenerico, d, kFuncion);
      }
      if (!p.epiceno.empty() && d.epiceno) {
        alternativas.Agregar(Juntar(d.femenino, p.epiceno), kEpiceno);
      }
      if (p.Comun()) {
        alternativas.Agregar(Juntar(Unir(d.masculino, "o", d.femenino), p.masculino),
                             kDesdobleDeterminante);
      } else if (d.Invariable()) {
        alternativas.Agregar(Juntar(d.masculino, UnirFormas(p.masculino, "o", p.femenino)),
                             kDesdobleSingular);
      } else {
        alternativas.Agregar(
            Unir(Juntar(d.masculino, p.masculino), "o", Juntar(d.femenino, p.femenino)),
            kDesdobleSingular);
      }
      const auto explicacion =
          p.Comun() ? "En «" + entrada + "», «" + p.masculino +
                          "» vale para los dos sexos, pero el determinante en masculino lo "
                          "presenta como genérico para cualquier persona."
                    : "En «" + entrada + "», el masculino singular «" + p.masculino +
                          "» se usa como genérico para cualquier persona, sea mujer u hombre.";
      Agregar(entrada, fuentes_.singular, explicacion + NotaAdjetivo(p, p.masculino), alternativas);
    }
  }

  void Plurales(const Persona& p) {
    for (const auto& d : fuentes_.determinantesPlural) {
      if (p.Comun() && d.Invariable()) continue;  // "sus periodistas" marks no sex
      const auto entrada = Juntar(d.masculino, p.plural);
      const auto conjuncion = d.conjuncion.empty() ? std::string("y") : d.conjuncion;
      Alternativas alternativas(entrada);
      alternativas.Colectivos(p.colectivos, d, kColectivo);
      if (!p.epicenoPlural.empty() && d.epiceno) {
        alternativas.Agregar(Juntar(d.femenino, p.epicenoPlural), kEpiceno);
      }
      if (p.Comun()) {
        alternativas.Agregar(
            Unir(Juntar(d.masculino, p.plural), conjuncion, Juntar(d.femenino, p.plural)),
            kDesdoblePlural);
        // "las y los periodistas": the feminine first, as the doublet is usually written.
        if (d.masculino.find(' ') == std::string::npos) {
          alternativas.Agregar(Juntar(Unir(d.femenino, conjuncion, d.masculino), p.plural),
                               kDesdobleDeterminante);
        }
      } else if (d.Invariable()) {
        alternativas.Agregar(
            Juntar(d.masculino, UnirFormas(p.plural, conjuncion, p.pluralFemenino)),
            kDesdoblePlural);
      } else {
        alternativas.Agregar(
            Unir(Juntar(d.masculino, p.plural), conjuncion, Juntar(d.femenino, p.pluralFemenino)),
            kDesdoblePlural);
      }
      const auto explicacion =
          p.Comun() ? "En «" + entrada + "», «" + p.plural +
                          "» vale para los dos sexos, pero el determinante en masculino presenta "
                          "al grupo como si solo lo formaran hombres."
                    : "En «" + entrada + "», el masculino plural «" + p.plural +
                          "» se usa como genérico para un grupo en el que hay o puede haber "
                          "mujeres.";
      Agregar(entrada, fuentes_.plural, explicacion + NotaAdjetivo(p, p.plural), alternativas);
    }
  }

  void PluralSinDeterminante(const Persona& p) {
    Alternativas alternativas(p.plural);
    for (const auto& colectivo : p.colectivos) {
      alternativas.Agregar(Articulo(colectivo).second, kColectivo);
    }
    if (!p.epicenoPlural.empty()) alternativas.Agregar(p.epicenoPlural, kEpiceno);
    alternativas.Agregar(UnirFormas(p.plural, "y", p.pluralFemenino), kDesdoblePlural);
    Agregar(p.plural, fuentes_.sinDeterminante,
            "«" + p.plural +
                "», en masculino plural, se usa como genérico para un grupo en el que hay o puede "
                "haber mujeres.",
            alternativas);
  }

  void Anuncios(const Persona& p) {
    for (const auto& verbo : fuentes_.verbos) {
      if (verbo.conSingular) {
        const auto entrada = Juntar(verbo.verbo, p.masculino);
        Alternativas alternativas(entrada);
        alternativas.Agregar(Juntar(verbo.verbo, UnirFormas(p.masculino, "o", p.femenino)),
                             kDesdobleAnuncio);
        alternativas.Agregar(Juntar(verbo.verbo, ConBarra(p.masculino, p.femenino)), kBarra);
        if (!p.puesto.empty()) alternativas.Agregar(Juntar(verbo.verbo, p.puesto), kPuesto);
        Anuncio(entrada, alternativas);
      }
      // A bare plural marks "buscamos camareros" already, but not the "se" of "se buscan".
      if (verbo.conPlural && p.conPlural && (p.adjetivo || verbo.verbo.starts_with("se "))) {
        const auto entrada = Juntar(verbo.verbo, p.plural);
        Alternativas alternativas(entrada);
        alternativas.Agregar(Juntar(verbo.verbo, UnirFormas(p.plural, "y", p.pluralFemenino)),
                             kDesdobleAnuncio);
        // A collective takes the verb in the singular: "se busca personal de cocina".
        if (!p.puestoPlural.empty()) {
          const auto& forma = p.puestoPlural == p.puesto ? verbo.singular : verbo.verbo;
          alternativas.Agregar(Juntar(forma, p.puestoPlural), kPuesto);
        }
        Anuncio(entrada, alternativas);
      }
    }
  }

  void Anuncio(const std::string& entrada, const Alternativas& alternativas) {
    Agregar(entrada, fuentes_.anuncio,
            "El anuncio «" + entrada +
                "» nombra el puesto solo en masculino, como si se ofreciera solo a hombres.",
            alternativas);
  }

  static std::string NotaAdjetivo(const Persona& p, const std::string& forma) {
    if (!p.adjetivo) return "";
    return " Se marca solo con un determinante delante: sin él, «" + forma +
           "» suele ser un adjetivo que no habla de personas.";
  }

  void Agregar(const std::string& entrada, const Clases& clases, const std::string& explicacion,
               const Alternativas& alternativas) {
    const auto clave = Clave(entrada);
    if (manuales_.contains(clave)) return;
    if (!generadas_.insert(clave).second) {
      throw std::runtime_error("las listas dan dos veces la entrada «" + entrada +
                               "»: quite una de las dos");
    }
    const auto& lista = alternativas.Lista();
    std::string comentario = explicacion + " Puede decirse «" + lista.front().first + "»";
    if (lista.size() > 1) comentario += " o «" + lista[1].first + "»";
    comentario += ".";
    ordered_json sustitutos = ordered_json::array();
    for (const auto& [texto, contexto] : lista) {
      sustitutos.push_back({{"sustituto", texto}, {"contexto", contexto}});
    }
    entradas_.push_back({{"entrada", entrada},
                         {"morfologia", clases.morfologia},
                         {"sexismo", clases.sexismo},
                         {"comentario", std::move(comentario)},
                         {"sustitutos", std::move(sustitutos)}});
  }

  std::vector<std::string> Adjetivos() const {
    std::vector<std::string> adjetivos;
    std::set<std::string> vistos;
    for (const auto& p : fuentes_.personas) {
      if (!p.adjetivo) continue;
      for (const auto& forma : {p.masculino, p.plural}) {
        const auto palabra = forma.substr(0, forma.find(' '));
        if (vistos.insert(palabra).second) adjetivos.push_back(palabra);
      }
    }
    return adjetivos;
  }

  const Fuentes& fuentes_;
  std::set<std::string> manuales_;
  std::set<std::string> generadas_;
  ordered_json entradas_ = ordered_json::array();
};

}  // namespace

ordered_json GenerarDiccionario(const Fuentes& fuentes) { return Generador(fuentes).Generar(); }

std::string Escribir(const ordered_json& diccionario) {
  std::string texto = "{\n";
  for (const auto& [clave, valor] : diccionario.items()) {
    if (clave == "entradas") continue;
    texto += ordered_json(clave).dump() + ": " + valor.dump() + ",\n";
  }
  texto += "\"entradas\": [\n";
  const auto& entradas = diccionario.at("entradas");
  for (std::size_t i = 0; i < entradas.size(); ++i) {
    texto += entradas[i].dump();
    texto += i + 1 < entradas.size() ? ",\n" : "\n";
  }
  texto += "]}\n";
  return texto;
}

}  // namespace quillora::diccionario
