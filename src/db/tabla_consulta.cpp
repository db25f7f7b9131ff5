#include "db/tabla_consulta.h"

#include <cctype>
#include <vector>

#include "db/error_bd.h"

namespace quillora::db {
namespace {

bool EsDeNombre(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '$' ||
         static_cast<unsigned char>(c) >= 0x80;
}

char Cierre(char apertura) {
  switch (apertura) {
    case '\'':
    case '"':
    case '`':
      return apertura;
    case '[':
      return ']';
    default:
      return '\0';
  }
}

// The position after the quoted piece that opens at `inicio`; a doubled closing mark stays inside.
std::size_t TrasCitado(std::string_view sql, std::size_t inicio) {
  const char cierre = Cierre(sql[inicio]);
  for (std::size_t i = inicio + 1; i < sql.size(); ++i) {
    if (sql[i] != cierre) continue;
    if (i + 1 < sql.size() && sql[i + 1] == cierre) {
      ++i;
      continue;
    }
    return i + 1;
  }
  return sql.size();
}

bool EsFrom(std::string_view palabra) {
  return palabra.size() == 4 && std::toupper(static_cast<unsigned char>(palabra[0])) == 'F' &&
         std::toupper(static_cast<unsigned char>(palabra[1])) == 'R' &&
         std::toupper(static_cast<unsigned char>(palabra[2])) == 'O' &&
         std::toupper(static_cast<unsigned char>(palabra[3])) == 'M';
}

// A part of a dotted name as the catalog stores it: quoted parts keep their case, and
// PostgreSQL folds unquoted ones to lower case.
std::string NombreCatalogo(std::string_view parte, Motor motor) {
  std::string nombre;
  if (Cierre(parte.front()) != '\0') {
    const char cierre = Cierre(parte.front());
    for (std::size_t i = 1; i + 1 < parte.size(); ++i) {
      nombre += parte[i];
      if (parte[i] == cierre) ++i;
    }
    return nombre;
  }
  for (const char c : parte) {
    nombre += motor == Motor::PostgreSQL
                  ? static_cast<char>(std::tolower(static_cast<unsigned char>(c)))
                  : c;
  }
  return nombre;
}

// The dotted name that starts at `inicio`.
TablaConsulta LeerNombre(std::string_view sql, std::size_t inicio, Motor motor) {
  std::vector<std::string_view> partes;
  std::size_t i = inicio;
  for (;;) {
    const std::size_t desde = i;
    if (i < sql.size() && Cierre(sql[i]) != '\0' && sql[i] != '\'') {
      i = TrasCitado(sql, i);
    } else {
      while (i < sql.size() && EsDeNombre(sql[i])) ++i;
    }
    if (i == desde) break;
    partes.push_back(sql.substr(desde, i - desde));
    if (i >= sql.size() || sql[i] != '.') break;
    ++i;
  }
  if (partes.empty()) throw ErrorBD("HY000", "La consulta no lee de una tabla");
  TablaConsulta tabla;
  tabla.texto = std::string(sql.substr(inicio, i - inicio));
  tabla.nombre = NombreCatalogo(partes.back(), motor);
  if (partes.size() > 1) tabla.esquema = NombreCatalogo(partes[partes.size() - 2], motor);
  return tabla;
}

}  // namespace

TablaConsulta TablaDeConsulta(std::string_view sql, Motor motor) {
  int profundidad = 0;
  std::size_t i = 0;
  while (i < sql.size()) {
    const char c = sql[i];
    if (Cierre(c) != '\0') {
      i = TrasCitado(sql, i);
    } else if (c == '(' || c == ')') {
      profundidad += c == '(' ? 1 : -1;
      ++i;
    } else if (EsDeNombre(c)) {
      const std::size_t inicio = i;
      while (i < sql.size() && EsDeNombre(sql[i])) ++i;
      if (profundidad == 0 && EsFrom(sql.substr(inicio, i - inicio))) {
        while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i])) != 0) ++i;
        return LeerNombre(sql, i, motor);
      }
    } else {
      ++i;
    }
  }
  throw ErrorBD("HY000", "La consulta no lee de una tabla");
}

}  // namespace quillora::db
