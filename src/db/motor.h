#pragma once

namespace quillora::db {

// The database engine behind a data source, which decides how the callers' SQL is written.
enum class Motor { SQLite, PostgreSQL, Otro };

}  // namespace quillora::db
