#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::db {
class Conexion;
}

namespace quillora {

// The sample dictionary that ships with the program, as written in its data file.
struct DiccionarioMuestra {
  struct Clase {
    std::int32_t id = 0;
    std::string nombre;
    std::string descripcion;
    // The shape its entries must have, when the class says: "una palabra", "varias palabras",
    // "con determinante" (the first word is one of `determinantes`) or "barra"; empty for any.
    std::string forma;
  };
  struct Sustituto {
    std::string sustituto;
    std::string contexto;
  };
  struct Entrada {
    std::string entrada;
    std::int32_t morfologia = 0;
    std::int32_t sexismo = 0;
    std::string comentario;  // plain text; stored as an RTF document
    std::vector<Sustituto> sustitutos;
  };

  std::vector<Clase> morfologias;
  std::vector<Clase> sexismos;
  std::vector<std::string> determinantes;
  // Words that are also ordinary adjectives or participles after a noun ("técnicos"), which no
  // entry may begin with.
  std::vector<std::string> adjetivos;
  std::vector<Entrada> entradas;

  // Reads the JSON data file; std::runtime_error with a Spanish message when it is malformed.
  static DiccionarioMuestra Leer(std::string_view json);
  // The sample built into the program.
  static const DiccionarioMuestra& Incorporado();

  // What is wrong with the data, one message per fault naming the entry and what to fix; empty
  // when it is sound.
  std::vector<std::string> Problemas() const;

  // Writes every row into an empty dictionary database, in one transaction.
  void Guardar(const std::shared_ptr<db::Conexion>& conexion) const;
  // Makes a new SQLite database file through the ODBC driver `controlador`, with the dictionary's
  // tables and every row of this one.
  void CrearBaseSqlite(const std::filesystem::path& base, const std::string& controlador) const;
};

}  // namespace quillora
