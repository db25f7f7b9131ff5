#pragma once

#include <string>
#include <string_view>

#include "db/motor.h"

namespace quillora::db {

// The table a query reads, after its top-level FROM.
struct TablaConsulta {
  std::string texto;    // as the query writes it, for statements on the same engine
  std::string esquema;  // names as the catalog stores them; the schema may be empty
  std::string nombre;
};

// Skips sub-selects in parentheses, quoted texts and quoted names. ErrorBD when there is none.
TablaConsulta TablaDeConsulta(std::string_view sql, Motor motor);

}  // namespace quillora::db
