#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db/motores_prueba.h"
#include "origen_quillora_prueba.h"
#include "servicios_guionizados.h"

namespace quillora::ui {
class ComboImagen;
class VistaLista;
}  // namespace quillora::ui

namespace quillora::prueba {

// What the dictionary editor's windows need on each engine: an empty dictionary database, the
// data source "Quillora" pointing at it and a scripted desktop.
class PruebaEditor : public db::prueba::PruebaMotores {
 protected:
  void SetUp() override;
  void TearDown() override;

  void Sql(const std::string& sentencia);
  // The column of every row of the query, in the order returned; "<nulo>" for Null.
  std::vector<std::string> Columna(const std::string& sql, const std::string& columna);
  // The first column of the query's only row; "<nulo>" for Null.
  std::string Valor(const std::string& sql);
  std::int64_t Filas(const std::string& tabla);

  // An entry written as the dictionary's maintainers write rows; answers its key.
  std::int32_t Entrada(const std::string& nombre, std::optional<int> morfologia = std::nullopt,
                       std::optional<int> sexismo = std::nullopt);
  std::int32_t Sustituto(std::int32_t entrada, const std::string& texto,
                         std::optional<std::string> contexto = std::nullopt);

  // The texts of the message boxes shown, in order.
  std::vector<std::string> Mensajes() const;
  // The texts of the list's rows (column 0) or of one of its columns, in the order shown.
  static std::vector<std::string> Textos(const ui::VistaLista& lista, std::size_t columna = 0);
  // The header pictures of the list.
  static std::vector<std::string> Iconos(const ui::VistaLista& lista);
  static std::vector<std::string> Textos(const ui::ComboImagen& combo);
  // Selects the item with that text; an error when there is none.
  static void Elegir(ui::ComboImagen& combo, const std::string& texto);
  // Selects the rows whose text is one of these.
  static void Seleccionar(ui::VistaLista& lista, const std::vector<std::string>& textos);

  ServiciosGuionizados servicios;

 private:
  std::unique_ptr<OrigenQuillora> origen_;
};

}  // namespace quillora::prueba
