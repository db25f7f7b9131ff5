#include "db/patron_like.h"

#include <algorithm>

#include "common/texto_unicode.h"

namespace quillora::db {

namespace {

using texto::AnadirUtf8;

bool EsLetraConCaso(char32_t c) { return texto::Mayuscula(c) != texto::Minuscula(c); }

void AnadirConOtroCaso(std::vector<PatronLike::Rango>& rangos, PatronLike::Rango rango) {
  rangos.push_back(rango);
  if (!EsLetraConCaso(rango.desde) || !EsLetraConCaso(rango.hasta)) return;
  const bool mayuscula = texto::Mayuscula(rango.desde) == rango.desde;
  auto otro = [mayuscula](char32_t c) {
    return mayuscula ? texto::Minuscula(c) : texto::Mayuscula(c);
  };
  const PatronLike::Rango otroCaso{otro(rango.desde), otro(rango.hasta)};
  if (otroCaso.desde <= otroCaso.hasta) rangos.push_back(otroCaso);
}

bool EsUnico(const PatronLike::Clase& clase) {
  return !clase.negada && clase.rangos.size() == 1 &&
         clase.rangos[0].desde == clase.rangos[0].hasta;
}

// The members of a bracket expression, ordered so that none of "]", "^" or "-" can be taken for
// syntax: "]" first, "-" last, "^" never first. Both GLOB and POSIX brackets read them so.
std::string MiembrosDeClase(const PatronLike::Clase& clase, bool escaparBarra) {
  std::string cierre, guion, circunflejo, resto;
  for (const auto& [desde, hasta] : clase.rangos) {
    if (desde == hasta) {
      std::string& destino = desde == U']'   ? cierre
                             : desde == U'-' ? guion
                             : desde == U'^' ? circunflejo
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
  if (cierre.empty() && resto.empty()) return guion + circunflejo;
  return cierre + resto + circunflejo + guion;
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
