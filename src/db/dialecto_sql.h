#pragma once

#include <string>
#include <string_view>

#include "db/motor.h"

namespace quillora::db {

// Rewrites a statement written in the Access dialect the callers use ("Delete * from",
// Like patterns with "%", "_" and bracketed classes, case-insensitive for every letter) into
// the SQL of the engine. Everything else passes unchanged.
std::string TraducirSql(std::string_view sql, Motor motor);

// The text as an SQL string literal: between single quotes, with quotes doubled.
std::string LiteralSql(std::string_view texto);

// A Like pattern of the callers' dialect that matches the text itself: its "[", "%" and "_" in
// brackets. Not yet a literal: pass it through LiteralSql.
std::string PatronLikeExacto(std::string_view texto);

}  // namespace quillora::db
