#pragma once

#include <filesystem>
#include <string>

// What the database benchmarks share: the data source "Quillora" pointed at a database of their
// own on each engine, each engine in a child process (the driver manager keeps a data source's
// settings for the life of a process).
namespace quillora::bench {

// Runs `cuerpo(carpeta, cadena)` in a child process for SQLite and, when QUILLORA_PG_CONEXION
// names a database, for PostgreSQL (its dictionary tables dropped first), with "Quillora"
// pointed at that database and `cadena` connecting to it. Answers how many engines failed.
int EnCadaMotor(const std::string& programa,
                void (*cuerpo)(const char* motor, const std::string& cadena));

}  // namespace quillora::bench
