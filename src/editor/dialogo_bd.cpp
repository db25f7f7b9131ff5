#include "editor/dialogo_bd.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "common/colacion.h"
#include "common/ordenar_lista.h"
#include "common/texto_unicode.h"
#include "db/dialecto_sql.h"
#include "dictionary/clave_texto.h"
#include "dictionary/comun.h"
#include "ui/combo_imagen.h"
#include "ui/servicios.h"
#include "ui/vista_lista.h"

namespace quillora::editor {

namespace {

void LlenarCombo(ui::ComboImagen& combo, const std::string& sql, std::string_view columnaNombre,
                 std::string_view columnaId) {
  db::Recordset registro;
  Abrir(registro, sql, db::TipoCursor::SoloAvance, db::TipoBloqueo::Optimista);
  auto& elementos = combo.ComboItems();
  elementos.clear();
  combo.SetSelectedItem(std::nullopt);
  for (; !registro.GetEOF(); registro.MoveNext()) {
    elementos.push_back(
        {db::ComoTexto(registro.Fields(columnaNombre).GetValue()).value_or(""),
         db::ComoTexto(registro.Fields(columnaId).GetValue()).value_or("")});
  }
  registro.Close();
  // Every engine orders text its own way; the combo reads as a Spanish reader expects.
  const texto::Colacion colacion;
  std::stable_sort(elementos.begin(), elementos.end(), [&](const auto& a, const auto& b) {
    return colacion.Comparar(a.Text, b.Text) < 0;
  });
  elementos.insert(elementos.begin(), {kNinguno, ""});
}

}  // namespace

void Avisar(ui::Servicios& servicios, const std::string& texto) {
  servicios.MsgBox(texto, ui::Icono::Exclamacion, ui::Botones::Aceptar, "Quillora");
}

void Abrir(db::Recordset& registro, const std::string& sql, db::TipoCursor cursor,
           db::TipoBloqueo bloqueo) {
  registro.SetActiveConnection(comun::Conexion());
  registro.Open(sql, cursor, bloqueo);
}

std::string TextoRecortado(db::Recordset& registro, std::string_view columna) {
  const auto texto = db::ComoTexto(registro.Fields(columna).GetValue());
  return texto ? std::string(texto::SinBlancosExteriores(*texto)) : std::string();
}

void LlenarComboSexismos(ui::ComboImagen& combo) {
  LlenarCombo(combo, "Select idSexismo, Sexismo, Descripcion From Sexismo Order By Sexismo ",
              "Sexismo", "IdSexismo");
}

void LlenarComboMorfologias(ui::ComboImagen& combo) {
  LlenarCombo(combo, "Select idMorfologia, Morfologia From Morfologia Order By Morfologia",
              "Morfologia", "IdMorfologia");
}

void ElegirNinguno(ui::ComboImagen& combo) {
  if (!combo.ComboItems().empty()) combo.SetSelectedItem(0);
}

db::Valor ClaseElegida(const ui::ComboImagen& combo, std::string_view nombre) {
  const auto* elegido = combo.Seleccionado();
  if (elegido == nullptr) {
    throw std::runtime_error("No hay ningún elemento elegido en " + std::string(nombre));
  }
  if (elegido->Tag.empty()) return db::Valor{};
  std::int64_t clave = 0;
  const auto& tag = elegido->Tag;
  const auto [fin, error] = std::from_chars(tag.data(), tag.data() + tag.size(), clave);
  if (error != std::errc{} || fin != tag.data() + tag.size()) {
    throw std::runtime_error("La clase «" + elegido->Text + "» no tiene un número válido");
  }
  return clave;
}

std::optional<std::size_t> BuscarFila(ui::VistaLista& lista, std::int32_t id) {
  const auto clave = std::to_string(id);
  const auto& filas = lista.ListItems();
  for (std::size_t i = 0; i < filas.size(); ++i) {
    if (filas[i].Tag == clave) return i;
  }
  return std::nullopt;
}

void ListaNueva(ui::VistaLista& lista) {
  lista.Clear();
  lista.SetSorted(false);
  for (auto& cabecera : lista.ColumnHeaders()) cabecera.Icon = comun::kSinOrden;
}

bool HaySeleccion(ui::VistaLista& lista) {
  const auto& filas = lista.ListItems();
  return std::any_of(filas.begin(), filas.end(), [](const auto& fila) { return fila.Selected; });
}

std::string Elementos(std::string numero) { return numero + " elementos"; }

bool MismoNombre(std::string_view a, std::string_view b) { return ClaveTexto(a) == ClaveTexto(b); }

std::string CondicionNombre(std::string_view columna, std::string_view nombre) {
  const auto clave = texto::SinBlancosExteriores(nombre);
  return std::string(columna) + " Like " +
         db::LiteralSql("%" + db::PatronLikeExacto(clave) + "%");
}

}  // namespace quillora::editor
