#include "editor_prueba.h"

#include <algorithm>
#include <stdexcept>

#include "db/dialecto_sql.h"
#include "db/recordset.h"
#include "dictionary/comun.h"
#include "dictionary/esquema_bd.h"
#include "ui/combo_imagen.h"
#include "ui/vista_lista.h"

namespace quillora::prueba {

namespace {

std::string Numero(std::optional<int> numero) {
  return numero ? std::to_string(*numero) : std::string("NULL");
}

}  // namespace

void PruebaEditor::SetUp() {
  PruebaMotores::SetUp();
  if (IsSkipped()) return;
  esquema_bd::CrearEsquema(*Bd().GetConexion());
  origen_ = std::make_unique<OrigenQuillora>(Bd());
}

void PruebaEditor::TearDown() {
  comun::Desconectar();
  origen_.reset();
  PruebaMotores::TearDown();
}

void PruebaEditor::Sql(const std::string& sentencia) { Bd().GetConexion()->Execute(sentencia); }

std::vector<std::string> PruebaEditor::Columna(const std::string& sql, const std::string& columna) {
  db::Recordset registro;
  registro.SetActiveConnection(Bd().GetConexion());
  registro.Open(sql, db::TipoCursor::SoloAvance, db::TipoBloqueo::Optimista);
  std::vector<std::string> valores;
  for (; !registro.GetEOF(); registro.MoveNext()) {
    valores.push_back(db::ComoTexto(registro.Fields(columna).GetValue()).value_or("<nulo>"));
  }
  registro.Close();
  return valores;
}

std::string PruebaEditor::Valor(const std::string& sql) {
  const auto valores = Columna("Select (" + sql + ") as Valor", "Valor");
  return valores.empty() ? "<ninguno>" : valores.front();
}

std::int64_t PruebaEditor::Filas(const std::string& tabla) {
  return std::stoll(Valor("Select Count(*) from " + tabla));
}

std::int32_t PruebaEditor::Entrada(const std::string& nombre, std::optional<int> morfologia,
                                   std::optional<int> sexismo) {
  Sql("Insert Into Entrada (Entrada, Morfologia, Sexismo) Values (" + db::LiteralSql(nombre) +
      ", " + Numero(morfologia) + ", " + Numero(sexismo) + ")");
  return std::stoi(Valor("Select Max(IdEntrada) from Entrada"));
}

std::int32_t PruebaEditor::Sustituto(std::int32_t entrada, const std::string& texto,
                                     std::optional<std::string> contexto) {
  Sql("Insert Into Sustituto (Sustituto, Contexto, Entrada) Values (" + db::LiteralSql(texto) +
      ", " + (contexto ? db::LiteralSql(*contexto) : std::string("NULL")) + ", " +
      std::to_string(entrada) + ")");
  return std::stoi(Valor("Select Max(IdSustituto) from Sustituto"));
}

std::vector<std::string> PruebaEditor::Mensajes() const {
  std::vector<std::string> textos;
  for (const auto& mensaje : servicios.mensajes) textos.push_back(mensaje.texto);
  return textos;
}

std::vector<std::string> PruebaEditor::Textos(const ui::VistaLista& lista, std::size_t columna) {
  std::vector<std::string> textos;
  for (const auto& fila : lista.ListItems()) textos.push_back(fila.Celda(columna));
  return textos;
}

std::vector<std::string> PruebaEditor::Iconos(const ui::VistaLista& lista) {
  std::vector<std::string> iconos;
  for (const auto& cabecera : lista.ColumnHeaders()) iconos.push_back(cabecera.Icon);
  return iconos;
}

std::vector<std::string> PruebaEditor::Textos(const ui::ComboImagen& combo) {
  std::vector<std::string> textos;
  for (const auto& elemento : combo.ComboItems()) textos.push_back(elemento.Text);
  return textos;
}

void PruebaEditor::Elegir(ui::ComboImagen& combo, const std::string& texto) {
  const auto& elementos = combo.ComboItems();
  const auto elemento = std::ranges::find(elementos, texto, &ui::ComboImagen::Elemento::Text);
  if (elemento == elementos.end()) throw std::logic_error("El combo no tiene «" + texto + "»");
  combo.SetSelectedItem(static_cast<std::size_t>(elemento - elementos.begin()));
}

void PruebaEditor::Seleccionar(ui::VistaLista& lista, const std::vector<std::string>& textos) {
  for (auto& fila : lista.ListItems()) {
    fila.Selected = std::ranges::find(textos, fila.Text) != textos.end();
  }
}

}  // namespace quillora::prueba
