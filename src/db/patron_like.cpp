#include "db/patron_like.h"

#include <algorithm>

#include "common/texto_unicode.h"
#include "db/error_bd.h"

namespace quillora::db {

namespace {

using texto::AnadirUtf8;

bool EsLetraConCaso(char32_t c) { return texto::Mayuscula(c) != texto::Minuscula(c); }

// The range and, letter by letter, the other case of the letters in it, joined into ranges:
// the other case of a range is no range ([à-ÿ] is not [À-Ÿ], which holds far more).
void AnadirConOtroCaso(std::vector<PatronLike::Rango>& rangos, PatronLike::Rango rango) {
  rangos.push_back(rango);
  std::vector<char32_t> otros;
  for (char32_t c = rango.desde;; ++c) {
    if (EsLetraConCaso(c)) {
      const char32_t otro = texto::Mayuscula(c) == c ? texto::Minuscula(c) : texto::Mayuscula(c);
      if (otro < rango.desde || otro > rango.hasta) otros.push_back(otro);
    }
    if (c == rango.hasta) break;
  }
  std::sort(otros.begin(), otros.end());
  for (std::size_t i = 0; i < otros.size();) {
    std::size_t j = i;
    while (j + 1 < otros.size() && otros[j + 1] <= otros[j] + 1) ++j;
    rangos.push_back({otros[i], otros[j]});
    i = j + 1;
  }
}

// The characters a bracket expression could read as syntax at the end of a range.
bool EsEspecial(char32_t c) {
  return c == U']' || c == U'^' || c == U'-' || c == U'[' || c == U'\\';
}

// The ranges split until no range starts or ends with a character a bracket expression could
// read as syntax: those stand alone, where their place can be chosen.
std::vector<PatronLike::Rango> SinExtremosEspeciales(std::vector<PatronLike::Rango> pendientes) {
  std::vector<PatronLike::Rango> rangos;
  while (!pendientes.empty()) {
    const auto rango = pendientes.back();
    pendientes.pop_back();
    if (rango.desde != rango.hasta && EsEspecial(rango.desde)) {
      rangos.push_back({rango.desde, rango.desde});
      pendientes.push_back({rango.desde + 1, rango.hasta});
    } else if (rango.desde != rango.hasta && EsEspecial(rango.hasta)) {
      rangos.push_back({rango.hasta, rango.hasta});
      pendientes.push_back({rango.desde, rango.hasta - 1});
    } else {
      rangos.push_back(rango);
    }
  }
  std::reverse(rangos.begin(), rangos.end());
  return rangos;
}

bool EsUnico(const PatronLike::Clase& clase) {
  return !clase.negada && clase.rangos.size() == 1 &&
         clase.rangos[0].desde == clase.rangos[0].hasta;
}

// The members of a bracket expression, ordered so that none can be taken for syntax: "]" first,
// "-" last, "^" never first, "[" never before ":", "." or "=" (POSIX classes), a backslash
// escaped where it escapes. Both GLOB and POSIX brackets read them so.
std::string MiembrosDeClase(const PatronLike::Clase& clase, bool escaparBarra) {
  std::string cierre, guion, circunflejo, corchete, resto;
  for (const auto& [desde, hasta] : SinExtremosEspeciales(clase.rangos)) {
    if (desde == hasta) {
      std::string& destino = desde == U']'   ? cierre
                             : desde == U'-' ? guion
                             : desde == U'^' ? circunflejo
                             : desde == U'[' ? corchete
                                             : resto;
      if (!destino.empty() && &destino != &resto) continue;
      if (escaparBarra && desde == U'\\') destino += '\\';
      AnadirUtf8(destino, desde);
      continue;
    }
    AnadirUtf8(resto, desde);
    resto += '-';
    AnadirUtf8(resto, hasta);
  }
  if (cierre.empty() && resto.empty()) {
    return corchete.empty() ? guion + circunflejo : corchete + circunflejo + guion;
  }
  return cierre + resto + circunflejo + corchete + guion;
}

template <typename Literal>
std::string ComoClase(const PatronLike::Clase& clase, bool escaparBarra, Literal literal) {
  if (EsUnico(clase)) return literal(clase.rangos[0].desde);
  const std::string miembros = MiembrosDeClase(clase, escaparBarra);
  if (!clase.negada && miembros == "^") return literal(U'^');
  return "[" + std::string(clase.negada ? "^" : "") + miembros + "]";
}

// The parts in a target syntax: its wildcards for "%" and "_", its way of writing one
// character, and its bracket expressions.
template <typename Literal>
std::string Escribir(const std::vector<PatronLike::Parte>& partes, std::string_view cualquiera,
                     std::string_view uno, bool escaparBarra, Literal literal) {
  std::string salida;
  for (const auto& parte : partes) {
    if (std::holds_alternative<PatronLike::Cualquiera>(parte)) {
      salida += cualquiera;
    } else if (std::holds_alternative<PatronLike::Uno>(parte)) {
      salida += uno;
    } else if (const auto* c = std::get_if<char32_t>(&parte)) {
      salida += literal(*c);
    } else {
      salida += ComoClase(std::get<PatronLike::Clase>(parte), escaparBarra, literal);
    }
  }
  return salida;
}

}  // namespace

PatronLike PatronLike::Leer(std::string_view patron) {
  const std::u32string cp = texto::CodePoints(patron);
  PatronLike resultado;
  for (size_t i = 0; i < cp.size(); ++i) {
    const char32_t c = cp[i];
    if (c == U'%') {
      resultado.partes.emplace_back(Cualquiera{});
    } else if (c == U'_') {
      resultado.partes.emplace_back(Uno{});
    } else if (c == U'[' && cp.find(U']', i + 2) != std::u32string::npos) {
      Clase clase;
      size_t j = i + 1;
      if (cp[j] == U'!' && cp[j + 1] != U']') {
        clase.negada = true;
        ++j;
      }
      const size_t fin = cp.find(U']', j + 1);
      for (size_t k = j; k < fin; ++k) {
        if (k + 2 < fin && cp[k + 1] == U'-') {
          if (cp[k] > cp[k + 2]) {
            throw ErrorBD("22025", "El patrón «" + std::string(patron) +
                                       "» tiene un intervalo al revés; escriba primero el "
                                       "carácter menor");
          }
          clase.rangos.push_back({cp[k], cp[k + 2]});
          k += 2;
        } else {
          clase.rangos.push_back({cp[k], cp[k]});
        }
      }
      resultado.partes.emplace_back(std::move(clase));
      i = fin;
    } else {
      resultado.partes.emplace_back(c);
    }
  }
  return resultado;
}

PatronLike PatronLike::SinMayusculas() const {
  PatronLike resultado;
  for (const auto& parte : partes) {
    if (const auto* c = std::get_if<char32_t>(&parte); c && EsLetraConCaso(*c)) {
      Clase clase;
      AnadirConOtroCaso(clase.rangos, {*c, *c});
      resultado.partes.emplace_back(std::move(clase));
    } else if (const auto* clase = std::get_if<Clase>(&parte)) {
      Clase ampliada{clase->negada, {}};
      for (const auto& rango : clase->rangos) AnadirConOtroCaso(ampliada.rangos, rango);
      resultado.partes.emplace_back(std::move(ampliada));
    } else {
      resultado.partes.push_back(parte);
    }
  }
  return resultado;
}

std::string PatronLike::ComoGlob() const {
  auto literal = [](char32_t c) {
    std::string texto;
    if (c == U'*' || c == U'?' || c == U'[') {
      texto = "[";
      AnadirUtf8(texto, c);
      texto += "]";
    } else {
      AnadirUtf8(texto, c);
    }
    return texto;
  };
  return Escribir(partes, "*", "?", false, literal);
}

std::string PatronLike::ComoRegex() const {
  auto literal = [](char32_t c) {
    std::string texto;
    if (c < 0x80 &&
        std::string_view("\\^$.|?*+()[]{}").find(static_cast<char>(c)) != std::string_view::npos) {
      texto = "\\";
    }
    AnadirUtf8(texto, c);
    return texto;
  };
  return "^" + Escribir(partes, ".*", ".", true, literal) + "$";
}

}  // namespace quillora::db
