#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillora::db {

// A Like pattern of the callers' dialect, read into its parts: "%" any run, "_" any one
// character, "[...]" a class ("[!...]" negated, "a-z" ranges), anything else itself.
struct PatronLike {
  struct Cualquiera {};  // %
  struct Uno {};         // _
  struct Rango {
    char32_t desde;
    char32_t hasta;
  };
  struct Clase {
    bool negada = false;
    std::vector<Rango> rangos;
  };
  using Parte = std::variant<Cualquiera, Uno, char32_t, Clase>;

  // An unclosed "[" stands for itself. A range written high to low is an ErrorBD.
  static PatronLike Leer(std::string_view patron);

  // The same pattern matching without regard to letter case: each letter becomes a class of
  // both its cases, and classes get the other case of their letters.
  PatronLike SinMayusculas() const;

  // The pattern as the operand of SQLite's GLOB.
  std::string ComoGlob() const;
  // The pattern as an anchored POSIX regular expression (PostgreSQL's ~).
  std::string ComoRegex() const;

  std::vector<Parte> partes;
};

}  // namespace quillora::db
