#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/dialecto_sql.h"
#include "db/motores_prueba.h"
#include "db/recordset.h"
#include "dictionary/comun.h"
#include "dictionary/esquema_bd.h"
#include "origen_quillora_prueba.h"
#include "servicios_guionizados.h"
#include "ui/combo_imagen.h"
#include "ui/formulario.h"
#include "ui/menu.h"
#include "ui/ventanas.h"
#include "ui/vista_lista.h"

namespace quillora::prueba {

using S = std::vector<std::string>;

// What the dictionary editor's windows need on each engine: an empty dictionary database, the
// data source "Quillora" pointing at it and a scripted desktop.
class PruebaEditor : public db::prueba::PruebaMotores {
 protected:
  void SetUp() override {
    PruebaMotores::SetUp();
    if (IsSkipped()) return;
    esquema_bd::CrearEsquema(*Bd().GetConexion());
    origen_ = std::make_unique<OrigenQuillora>(Bd());
  }
  void TearDown() override {
    comun::Desconectar();
    origen_.reset();
    PruebaMotores::TearDown();
  }

  void Sql(const std::string& sentencia) { Bd().GetConexion()->Execute(sentencia); }
  // The column of every row of the query, in the order returned; "<nulo>" for Null.
  S Columna(const std::string& sql, const std::string& columna) {
    db::Recordset registro;
    registro.SetActiveConnection(Bd().GetConexion());
    registro.Open(sql, db::TipoCursor::SoloAvance, db::TipoBloqueo::Optimista);
    S valores;
    for (; !registro.GetEOF(); registro.MoveNext()) {
      valores.push_back(db::ComoTexto(registro.Fields(columna).GetValue()).value_or("<nulo>"));
    }
    registro.Close();
    return valores;
  }
  // The first column of the query's only row; "<nulo>" for Null.
  std::string Valor(const std::string& sql) {
    const auto valores = Columna("Select (" + sql + ") as Valor", "Valor");
    return valores.empty() ? "<ninguno>" : valores.front();
  }
  std::int64_t Filas(const std::string& tabla) {
    return std::stoll(Valor("Select Count(*) from " + tabla));
  }

  // Class names in no particular order, so that the windows must sort them as Spanish text.
  void Clases() {
    Sql("Insert Into Morfologia Values (1, 'Sustantivo', NULL), (2, 'adjetivo', NULL), "
        "(3, 'Expresión', NULL)");
    Sql("Insert Into Sexismo Values (3, 'Masculino genérico', NULL), (4, 'Androcentrismo', NULL), "
        "(5, 'Ámbito doméstico', NULL), (6, 'asimetría', NULL)");
  }
  // An entry written as the dictionary's maintainers write rows; answers its key.
  std::int32_t Entrada(const std::string& nombre, std::optional<int> morfologia = std::nullopt,
                       std::optional<int> sexismo = std::nullopt) {
    const auto numero = [](std::optional<int> n) { return n ? std::to_string(*n) : "NULL"; };
    Sql("Insert Into Entrada (Entrada, Morfologia, Sexismo) Values (" + db::LiteralSql(nombre) +
        ", " + numero(morfologia) + ", " + numero(sexismo) + ")");
    return std::stoi(Valor("Select Max(IdEntrada) from Entrada"));
  }
  std::int32_t Sustituto(std::int32_t entrada, const std::string& texto,
                         std::optional<std::string> contexto = std::nullopt) {
    Sql("Insert Into Sustituto (Sustituto, Contexto, Entrada) Values (" + db::LiteralSql(texto) +
        ", " + (contexto ? db::LiteralSql(*contexto) : std::string("NULL")) + ", " +
        std::to_string(entrada) + ")");
    return std::stoi(Valor("Select Max(IdSustituto) from Sustituto"));
  }

  // The texts of the message boxes shown, in order.
  S Mensajes() const {
    S textos;
    for (const auto& mensaje : servicios.mensajes) textos.push_back(mensaje.texto);
    return textos;
  }
  // How message box i looked: its picture, its buttons and the application's title.
  void Aspecto(std::size_t i, ui::Icono icono, ui::Botones botones = ui::Botones::Aceptar) const {
    ASSERT_LT(i, servicios.mensajes.size());
    EXPECT_EQ(servicios.mensajes[i].icono, icono);
    EXPECT_EQ(servicios.mensajes[i].botones, botones);
    EXPECT_EQ(servicios.mensajes[i].titulo, "Quillora");
  }
  // What the test does with the window of that class once it is shown.
  template <typename Ventana, typename Accion>
  void AlMostrar(Accion accion) {
    servicios.alMostrar = [accion](ui::Formulario& mostrada) {
      accion(dynamic_cast<Ventana&>(mostrada));
    };
  }
  // The pop-up menus shown: "name > default: enabled entries".
  S Menus() const {
    S menus;
    for (const auto& menu : servicios.menus) {
      std::string texto = menu.nombre + " > " + menu.predeterminado + ":";
      for (const auto& entrada : menu.habilitadas) texto += " " + entrada;
      menus.push_back(texto);
    }
    return menus;
  }
  // Whether the window was put back below the topmost ones, as the editors do when shown.
  bool SinPrimerPlano(ui::Formulario& ventana) {
    const auto hwnd = servicios.ventanas.HwndDe(ventana);
    return std::ranges::any_of(servicios.ventanas.LlamadasPosicion(), [&](const auto& llamada) {
      return llamada.hwnd == hwnd && llamada.insertarDespues == ui::kHwndNoTopMost &&
             llamada.flags == (ui::kSwpNoSize | ui::kSwpNoMove);
    });
  }

  // The texts of the list's rows (column 0) or of one of its columns, in the order shown.
  static S Textos(const ui::VistaLista& lista, std::size_t columna = 0) {
    S textos;
    for (const auto& fila : lista.ListItems()) textos.push_back(fila.Celda(columna));
    return textos;
  }
  // The header pictures of the list.
  static S Iconos(const ui::VistaLista& lista) {
    S iconos;
    for (const auto& cabecera : lista.ColumnHeaders()) iconos.push_back(cabecera.Icon);
    return iconos;
  }
  // Clicks each header in turn, checking the pictures and the texts of one column after each.
  struct Clic {
    std::size_t columna;
    S iconos;
    S textos;
    std::size_t leida = 0;  // the column whose texts are checked
  };
  static void Ordenar(ui::VistaLista& lista, const std::vector<Clic>& clics) {
    for (const auto& clic : clics) {
      lista.ColumnClick(clic.columna);
      EXPECT_EQ(Iconos(lista), clic.iconos) << "columna " << clic.columna;
      EXPECT_EQ(Textos(lista, clic.leida), clic.textos) << "columna " << clic.columna;
    }
  }
  static S Textos(const ui::ComboImagen& combo) {
    S textos;
    for (const auto& elemento : combo.ComboItems()) textos.push_back(elemento.Text);
    return textos;
  }
  // Selects the item with that text; an error when there is none.
  static void Elegir(ui::ComboImagen& combo, const std::string& texto) {
    const auto& elementos = combo.ComboItems();
    const auto elemento = std::ranges::find(elementos, texto, &ui::ComboImagen::Elemento::Text);
    if (elemento == elementos.end()) throw std::logic_error("El combo no tiene «" + texto + "»");
    combo.SetSelectedItem(static_cast<std::size_t>(elemento - elementos.begin()));
  }
  // Selects the rows whose text is one of these.
  static void Seleccionar(ui::VistaLista& lista, const S& textos) {
    for (auto& fila : lista.ListItems()) {
      fila.Selected = std::ranges::find(textos, fila.Text) != textos.end();
    }
  }
  // Right button let go over the list.
  static void ClicDerecho(ui::VistaLista& lista) { lista.MouseUp(ui::kBotonDerecho, 10, 10); }

  ServiciosGuionizados servicios;

 private:
  std::unique_ptr<OrigenQuillora> origen_;
};

}  // namespace quillora::prueba
