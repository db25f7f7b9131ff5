#include "db/dialecto_sql.h"

#include <cctype>
#include <optional>

#include "db/patron_like.h"

namespace quillora::db {

namespace {

bool EsDeNombre(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}

bool MismaPalabra(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// Reads SQL text front to back, telling words, quoted texts and the rest apart.
class Lector {
 public:
  explicit Lector(std::string_view sql) : sql_(sql) {}

  bool Fin() const { return pos_ >= sql_.size(); }
  size_t Posicion() const { return pos_; }
  void Volver(size_t posicion) { pos_ = posicion; }

  void SaltarBlancos() {
    while (!Fin() && std::isspace(static_cast<unsigned char>(sql_[pos_])) != 0) ++pos_;
  }

  // The word that starts here, or empty.
  std::string_view Palabra() {
    const size_t inicio = pos_;
    if (Fin() || !EsDeNombre(sql_[pos_]) || std::isdigit(static_cast<unsigned char>(sql_[pos_]))) {
      return {};
    }
    while (!Fin() && EsDeNombre(sql_[pos_])) ++pos_;
    return sql_.substr(inicio, pos_ - inicio);
  }

  // The text of the quoted string that starts here (quotes undoubled), or none.
  std::optional<std::string> Literal() {
    if (Fin() || sql_[pos_] != '\'') return std::nullopt;
    std::string texto;
    for (size_t i = pos_ + 1; i < sql_.size(); ++i) {
      if (sql_[i] != '\'') {
        texto += sql_[i];
      } else if (i + 1 < sql_.size() && sql_[i + 1] == '\'') {
        texto += '\'';
        ++i;
      } else {
        pos_ = i + 1;
        return texto;
      }
    }
    return std::nullopt;  // unclosed: left for the engine to refuse
  }

  // Copies one piece that is not a word: a quoted string or identifier whole, else a character.
  void CopiarPieza(std::string& salida) {
    const char c = sql_[pos_];
    if (c == '\'' || c == '"' || c == '[' || c == '`') {
      const char cierre = c == '[' ? ']' : c;
      size_t fin = sql_.find(cierre, pos_ + 1);
      while (fin != std::string_view::npos && cierre != ']' && fin + 1 < sql_.size() &&
             sql_[fin + 1] == cierre) {
        fin = sql_.find(cierre, fin + 2);  // a doubled quote stays inside
      }
      const size_t hasta = fin == std::string_view::npos ? sql_.size() : fin + 1;
      salida.append(sql_.substr(pos_, hasta - pos_));
      pos_ = hasta;
      return;
    }
    salida += c;
    ++pos_;
  }

 private:
  std::string_view sql_;
  size_t pos_ = 0;
};

// "Delete * from": the star goes.
bool TraducirDelete(Lector& lector, std::string& salida) {
  const size_t antes = lector.Posicion();
  lector.SaltarBlancos();
  if (!lector.Fin()) {
    std::string estrella;
    lector.CopiarPieza(estrella);
    if (estrella == "*") {
      lector.SaltarBlancos();
      if (MismaPalabra(lector.Palabra(), "FROM")) {
        salida += "DELETE FROM";
        return true;
      }
    }
  }
  lector.Volver(antes);
  return false;
}

// "[Not] Like '<pattern>'" becomes the engine's own operator over a case-free pattern.
bool TraducirLike(Lector& lector, std::string& salida, bool negado, Motor motor) {
  const size_t antes = lector.Posicion();
  lector.SaltarBlancos();
  const auto patron = lector.Literal();
  if (!patron) {
    lector.Volver(antes);
    return false;
  }
  const auto sinMayusculas = PatronLike::Leer(*patron).SinMayusculas();
  if (motor == Motor::SQLite) {
    salida += negado ? "NOT GLOB " : "GLOB ";
    salida += LiteralSql(sinMayusculas.ComoGlob());
  } else {
    salida += negado ? "!~ " : "~ ";
    salida += LiteralSql(sinMayusculas.ComoRegex());
  }
  return true;
}

}  // namespace

std::string TraducirSql(std::string_view sql, Motor motor) {
  if (motor == Motor::Otro) return std::string(sql);
  std::string salida;
  salida.reserve(sql.size() + 16);
  Lector lector(sql);
  while (!lector.Fin()) {
    const size_t inicio = lector.Posicion();
    const auto palabra = lector.Palabra();
    if (palabra.empty()) {
      lector.CopiarPieza(salida);
      continue;
    }
    if (MismaPalabra(palabra, "DELETE") && TraducirDelete(lector, salida)) continue;
    if (MismaPalabra(palabra, "LIKE") && TraducirLike(lector, salida, false, motor)) continue;
    if (MismaPalabra(palabra, "NOT")) {
      const size_t trasNot = lector.Posicion();
      lector.SaltarBlancos();
      if (MismaPalabra(lector.Palabra(), "LIKE") && TraducirLike(lector, salida, true, motor)) {
        continue;
      }
      lector.Volver(trasNot);
    }
    salida.append(sql.substr(inicio, lector.Posicion() - inicio));
  }
  return salida;
}

std::string LiteralSql(std::string_view texto) {
  std::string literal = "'";
  for (const char c : texto) {
    literal += c;
    if (c == '\'') literal += '\'';
  }
  return literal + "'";
}

std::string PatronLikeExacto(std::string_view texto) {
  std::string patron;
  for (const char c : texto) {
    if (c == '[' || c == '%' || c == '_') {
      patron += '[';
      patron += c;
      patron += ']';
    } else {
      patron += c;
    }
  }
  return patron;
}

}  // namespace quillora::db
