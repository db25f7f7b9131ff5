#pragma once

namespace quillora::db {
class Conexion;
}

namespace quillora::esquema_bd {

// Creates the dictionary's five tables, with database-numbered keys for entries and
// alternatives and an index on the entry of each alternative. ErrorBD when they exist.
void CrearEsquema(db::Conexion& conexion);

// True when the dictionary's tables can be read.
bool ExisteEsquema(db::Conexion& conexion);

}  // namespace quillora::esquema_bd
