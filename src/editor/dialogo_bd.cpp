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
    elementos.push_back({db::ComoTexto(registro.Fields(columnaNombre).GetValue()).value_or(""),
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

bool ExisteNombre(std::string_view tabla, std::string_view columna, std::string_view nombre,
                  const std::string& condicion) {
  // Like finds the candidates without regard to case; the keys decide among them.
  const auto clave = ClaveTexto(nombre);
  db::Recordset registro;
  Abrir(registro,
        "Select * from " + std::string(tabla) + " Where " + std::string(columna) + " Like " +
            db::LiteralSql("%" + db::PatronLikeExacto(texto::SinBlancosExteriores(nombre)) + "%") +
            " and " + condicion,
        db::TipoCursor::SoloAvance, db::TipoBloqueo::Optimista);
  bool existe = false;
  for (; !existe && !registro.GetEOF(); registro.MoveNext()) {
    existe = ClaveTexto(db::ComoTexto(registro.Fields(columna).GetValue()).value_or("")) == clave;
  }
  registro.Close();
  return existe;
}

bool GuardarSinRepetir(ui::Servicios& servicios, const std::function<bool()>& existe,
                       const std::string& repetido, const std::function<void()>& guardar) {
  bool guardado = false;
  Atrapando(servicios, [&] {
    comun::Conectar();
    if (existe()) {
      Avisar(servicios, repetido);
    } else {
      guardar();
      guardado = true;
    }
    comun::Desconectar();
  });
  return guardado;
}

std::string ConsultaEntrada(std::int32_t id) {
  return "Select Entrada.*, (Select Morfologia.Morfologia From Morfologia Where "
         "Entrada.Morfologia = Morfologia.IdMorfologia) as NombreMorfologia , (Select "
         "Sexismo.Sexismo From Sexismo Where Entrada.Sexismo = Sexismo.IdSexismo) as "
         "NombreSexismo from Entrada Where Entrada.IdEntrada = " +
         std::to_string(id);
}

bool ConfirmarEliminacion(ui::Servicios& servicios, ui::VistaLista& lista,
                          const std::string& sinSeleccion) {
  if (!HaySeleccion(lista)) {
    Avisar(servicios, sinSeleccion);
    return false;
  }
  return servicios.MsgBox("¿Está seguro de que desea eliminar los elementos seleccionados?",
                          ui::Icono::Pregunta, ui::Botones::SiNo, "Quillora") == ui::Respuesta::Si;
}

void BorrarSeleccionadas(ui::VistaLista& lista, const std::function<void(std::int32_t)>& borrar) {
  // A deleted row's place is taken by the next one, which is looked at in its turn.
  for (std::size_t i = 0; i < lista.ListItems().size();) {
    if (!lista.ListItems()[i].Selected) {
      ++i;
      continue;
    }
    const auto id = std::stoi(lista.ListItems()[i].Tag);
    borrar(id);
    const auto& filas = lista.ListItems();
    if (i < filas.size() && filas[i].Tag == std::to_string(id)) lista.Remove(i);
  }
}

}  // namespace quillora::editor
