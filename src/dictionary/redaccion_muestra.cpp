#include "dictionary/redaccion_muestra.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

#include "dictionary/clave_texto.h"

namespace quillora::redaccion_muestra {

namespace {

using Entrada = DiccionarioMuestra::Entrada;

// Words that always need another one after them: an entry ending in one matches whatever follows.
constexpr std::array<std::string_view, 36> kPidenContinuacion = {
    "DE", "DEL", "A",  "AL",  "EN", "CON", "POR",  "PARA",      "SIN",   "QUE",   "Y",     "E",
    "O",  "U",   "NI", "SE",  "EL", "LA",  "LOS",  "LAS",       "UN",    "UNA",   "UNOS",  "UNAS",
    "MI", "MIS", "TU", "TUS", "SU", "SUS", "CADA", "CUALQUIER", "SOBRE", "ENTRE", "HASTA", "DESDE"};

constexpr std::array<std::string_view, 5> kConjunciones = {"Y", "E", "O", "U", "NI"};

std::vector<std::string> Palabras(const std::string& texto) {
  std::vector<std::string> palabras;
  for (std::size_t inicio = 0; inicio < texto.size();) {
    const auto fin = std::min(texto.find(' ', inicio), texto.size());
    if (fin > inicio) palabras.push_back(texto.substr(inicio, fin - inicio));
    inicio = fin + 1;
  }
  return palabras;
}

template <std::size_t N>
bool Contiene(const std::array<std::string_view, N>& lista, const std::string& clave) {
  return std::find(lista.begin(), lista.end(), clave) != lista.end();
}

class Revision {
 public:
  explicit Revision(const DiccionarioMuestra& muestra) : muestra_(muestra) {
    for (const auto& determinante : muestra.determinantes)
      determinantes_.insert(ClaveTexto(determinante));
    for (const auto& adjetivo : muestra.adjetivos) adjetivos_.insert(ClaveTexto(adjetivo));
  }

  std::vector<std::string> Problemas() {
    for (const auto& clase : muestra_.morfologias) {
      if (!clase.forma.empty() && clase.forma != "una palabra" &&
          clase.forma != "varias palabras" && clase.forma != "con determinante" &&
          clase.forma != "barra") {
        problemas_.push_back("La clase morfológica «" + clase.nombre + "» tiene la forma «" +
                             clase.forma +
                             "», que no existe: use «una palabra», «varias palabras», «con "
                             "determinante» o «barra»");
      }
    }
    for (std::size_t i = 0; i < muestra_.entradas.size(); ++i) {
      const auto& entrada = muestra_.entradas[i];
      const auto palabras = Palabras(entrada.entrada);
      if (palabras.empty()) continue;
      nombre_ = Describir(entrada, i);
      Final(palabras);
      Adjetivo(palabras);
      Forma(entrada, palabras);
      for (const auto& sustituto : entrada.sustitutos) Alternativa(entrada, palabras, sustituto);
    }
    return std::move(problemas_);
  }

 private:
  bool EsDeterminante(const std::string& palabra) const {
    return determinantes_.contains(ClaveTexto(palabra));
  }

  void Final(const std::vector<std::string>& palabras) {
    const auto ultima = ClaveTexto(palabras.back());
    if (palabras.size() > 1 && Contiene(kPidenContinuacion, ultima)) {
      problemas_.push_back(nombre_ + " termina en «" + palabras.back() +
                           "», que pide otra palabra detrás, así que marca cualquier "
                           "continuación: escríbala con la palabra que sigue");
    }
  }

  void Adjetivo(const std::vector<std::string>& palabras) {
    if (adjetivos_.contains(ClaveTexto(palabras.front()))) {
      problemas_.push_back(nombre_ + " empieza por «" + palabras.front() +
                           "», que también es un adjetivo o un participio detrás de un nombre, así "
                           "que marcaría textos que no hablan de personas: escríbala con su "
                           "determinante delante");
    }
  }

  void Forma(const Entrada& entrada, const std::vector<std::string>& palabras) {
    const auto clase = std::find_if(muestra_.morfologias.begin(), muestra_.morfologias.end(),
                                    [&](const auto& c) { return c.id == entrada.morfologia; });
    if (clase == muestra_.morfologias.end() || clase->forma.empty()) return;
    const auto conBarra = entrada.entrada.find('/') != std::string::npos;
    std::string falta;
    if (clase->forma == "una palabra" && palabras.size() > 1) {
      falta = "tiene varias palabras";
    } else if (clase->forma == "varias palabras" && palabras.size() == 1) {
      falta = "es una sola palabra";
    } else if (clase->forma == "con determinante" &&
               (palabras.size() == 1 || !EsDeterminante(palabras.front()))) {
      falta = "no empieza por un determinante de la lista seguido de otra palabra";
    } else if (clase->forma == "barra" && !conBarra) {
      falta = "no lleva barra";
    } else if (clase->forma != "barra" && conBarra) {
      falta = "lleva barra";
    }
    if (!falta.empty()) {
      problemas_.push_back(nombre_ + " " + falta + ", y su clase morfológica «" + clase->nombre +
                           "» es de entradas con la forma «" + clase->forma +
                           "»: cambie la clase o la entrada");
    }
  }

  // The review dialog puts an alternative in place of the term; with no determiner before the
  // term, it drops the alternative's first word when that word is a determiner.
  void Alternativa(const Entrada& entrada, const std::vector<std::string>& palabras,
                   const DiccionarioMuestra::Sustituto& sustituto) {
    if (ClaveTexto(sustituto.sustituto) == ClaveTexto(entrada.entrada)) {
      problemas_.push_back(nombre_ + ": la alternativa «" + sustituto.sustituto +
                           "» es la misma entrada; cámbiela o quítela");
      return;
    }
    const auto alternativa = Palabras(sustituto.sustituto);
    if (EsDeterminante(palabras.front()) || alternativa.size() < 2 ||
        !EsDeterminante(alternativa[0])) {
      return;
    }
    const auto segunda = ClaveTexto(alternativa[1]);
    if (Contiene(kConjunciones, segunda) || EsDeterminante(segunda)) {
      problemas_.push_back(nombre_ + ": la alternativa «" + sustituto.sustituto +
                           "» empieza por «" + alternativa[0] +
                           "», que se quita al cambiar el término cuando no lleva determinante "
                           "delante, y lo que queda pierde el sentido: escríbala empezando por "
                           "otra palabra");
    }
  }

  const DiccionarioMuestra& muestra_;
  std::set<std::string> determinantes_;
  std::set<std::string> adjetivos_;
  std::string nombre_;
  std::vector<std::string> problemas_;
};

}  // namespace

std::string Describir(const Entrada& entrada, std::size_t posicion) {
  return "La entrada " + std::to_string(posicion + 1) + " («" + entrada.entrada + "»)";
}

std::vector<std::string> Problemas(const DiccionarioMuestra& muestra) {
  return Revision(muestra).Problemas();
}

}  // namespace quillora::redaccion_muestra
