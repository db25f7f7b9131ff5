#include "editor/frm_entrada.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "common/office_xp_style.h"
#include "common/ordenar_lista.h"
#include "common/texto_unicode.h"
#include "db/conexion.h"
#include "db/recordset.h"
#include "dictionary/comun.h"
#include "editor/dialogo_bd.h"
#include "ui/servicios.h"
#include "ui/ventanas.h"

namespace quillora {

namespace {

using db::Recordset;
using db::TipoBloqueo;
using db::TipoCursor;

constexpr std::int32_t kLargoTexto = 250;
constexpr const char* kCrLf = "\r\n";

void ActualizarFilaSustituto(ui::VistaLista::Fila& fila, Recordset& registro) {
  fila.Text = editor::TextoRecortado(registro, "Sustituto");
  fila.SubItems = {editor::TextoRecortado(registro, "Contexto")};
}

void AgregarFilaSustituto(ui::VistaLista& lista, Recordset& registro) {
  ui::VistaLista::Fila fila;
  ActualizarFilaSustituto(fila, registro);
  fila.Tag = std::to_string(
      db::Entero32(registro.Fields("idSustituto").GetValue(), "IdSustituto").value());
  lista.Add(std::move(fila));
}

// The item of the class stored in the column: "<Ninguno>" for Null or a class no item carries.
void ElegirClase(ui::ComboImagen& combo, const db::Valor& valor, std::string_view columna) {
  const auto clase = db::Entero32(valor, columna);
  if (!clase) return combo.SetSelectedItem(0);
  if (*clase < std::numeric_limits<std::int16_t>::min() ||
      *clase > std::numeric_limits<std::int16_t>::max()) {
    throw std::overflow_error("La clase " + std::to_string(*clase) + " de la columna " +
                              std::string(columna) + " no cabe en un entero de 16 bits");
  }
  const auto posicion = comun::IndiceCombo(combo, static_cast<std::int16_t>(*clase));
  combo.SetSelectedItem(posicion == -1 ? 0 : static_cast<std::size_t>(posicion));
}

}  // namespace

frmEntrada::frmEntrada(ui::Servicios& servicios)
    : ui::Formulario("Entrada"), servicios_(servicios), frmSustituto_(servicios) {
  Registrar({&Label1, &txtEntrada, &Label2, &imcMorfologia, &Label3, &imcSexismo, &Frame1,
             &RTBEtimologia, &frmSustitutos, &lvSustitutos, &mnuSubstitutes, &cmdCopiar,
             &cmdAceptar, &cmdAplicar, &cmdCancelar});
  txtEntrada.SetMaxLength(kLargoTexto);
  RTBEtimologia.SetMultiLine(true);
  lvSustitutos.ColumnHeaders() = {{"Alternativa", 2500, "", comun::kSinOrden},
                                  {"Contexto", 4000, "", comun::kSinOrden}};
  mnuSubstitutes.SetVisible(false);
  mnuSubstitutesAddSubstitute.Click = [this] { Comando([this] { NuevoSustituto(); }); };
  mnuSubstitutesModifySubstitute.Click = [this] { Comando([this] { ModificarSustituto(); }); };
  lvSustitutos.DblClick = [this] { Comando([this] { ModificarSustituto(); }); };
  mnuSubstitutesDeleteSubstitute.Click = [this] { Comando([this] { EliminarSustitutos(); }); };
  lvSustitutos.ColumnClick = [this](std::size_t columna) {
    Comando([this, columna] { comun::OrdenarLista(lvSustitutos, columna); });
  };
  lvSustitutos.MouseUp = [this](int boton, std::int32_t, std::int32_t) {
    lvSustitutos_MouseUp(boton);
  };
  cmdAceptar.Click = [this] {
    if (!Guardar()) return;
    BOk = true;
    Unload(ui::ModoCierre::Codigo);
  };
  cmdAplicar.Click = [this] {
    if (!Guardar()) return;
    BOk = true;
    Existente = true;
    servicios_.MsgBox("Datos actualizados satisfactoriamente", ui::Icono::Informacion,
                      ui::Botones::Aceptar, "Quillora");
  };
  cmdCancelar.Click = [this] { Unload(ui::ModoCierre::Codigo); };
  cmdCopiar.Click = [this] { CopiarSugerencia(); };
}

template <typename Accion>
void frmEntrada::Comando(Accion&& accion) {
  SetMousePointer(ui::Puntero::RelojDeArena);
  accion();
  SetMousePointer(ui::Puntero::Predeterminado);
}

void frmEntrada::Form_Load() {
  office_xp_style::AplicarEstilo(servicios_.GetVentanas(), *this);
  BOk = false;
  Existente = false;
  IdEntry = -1;
  editor::ListaNueva(lvSustitutos);
  editor::Atrapando(servicios_, [&] {
    comun::Conectar();
    editor::LlenarComboSexismos(imcSexismo);
    editor::LlenarComboMorfologias(imcMorfologia);
    IdEntry = -1;
    comun::Desconectar();
    comun::OrdenarLista(lvSustitutos, 0);
    LimpiarFormulario();
  });
}

void frmEntrada::LimpiarFormulario() {
  txtEntrada.SetText("");
  editor::ElegirNinguno(imcMorfologia);
  editor::ElegirNinguno(imcSexismo);
  lvSustitutos.Clear();
  RTBEtimologia.SetTextRTF("");
}

void frmEntrada::Cargar() {
  editor::Atrapando(servicios_, [&] {
    comun::Conectar();
    Recordset registro;
    editor::Abrir(registro, editor::ConsultaEntrada(IdEntry), TipoCursor::Dinamico,
                  TipoBloqueo::Optimista);
    if (!registro.GetEOF()) {
      txtEntrada.SetText(editor::TextoRecortado(registro, "Entrada"));
      RTBEtimologia.SetTextRTF(editor::TextoRecortado(registro, "Etimologia"));
      ElegirClase(imcMorfologia, registro.Fields("Morfologia").GetValue(), "Morfologia");
      ElegirClase(imcSexismo, registro.Fields("Sexismo").GetValue(), "Sexismo");
      ListarSustitutos();
      Existente = true;
    } else {
      IdEntry = -1;
    }
    registro.Close();
    comun::Desconectar();
  });
}

// An error here ends only the listing: the entry it belongs to was read.
void frmEntrada::ListarSustitutos() {
  editor::Atrapando(servicios_, [&] {
    Recordset registro;
    editor::Abrir(
        registro,
        "Select Sustituto.* from Sustituto Where Sustituto.Entrada = " + std::to_string(IdEntry),
        TipoCursor::Dinamico, TipoBloqueo::Optimista);
    lvSustitutos.Clear();
    for (; !registro.GetEOF(); registro.MoveNext()) AgregarFilaSustituto(lvSustitutos, registro);
    registro.Close();
  });
}

void frmEntrada::RefrescarSustituto(std::int32_t id) {
  editor::Atrapando(servicios_, [&] {
    comun::Conectar();
    Recordset registro;
    editor::Abrir(
        registro,
        "Select Sustituto.* from Sustituto Where Sustituto.IdSustituto = " + std::to_string(id),
        TipoCursor::Dinamico, TipoBloqueo::Optimista);
    if (!registro.GetEOF()) {
      if (const auto posicion = editor::BuscarFila(lvSustitutos, id)) {
        ActualizarFilaSustituto(lvSustitutos.ListItems()[*posicion], registro);
        lvSustitutos.Refresh();
      } else {
        AgregarFilaSustituto(lvSustitutos, registro);
      }
    }
    registro.Close();
    comun::Desconectar();
  });
}

bool frmEntrada::Guardar() {
  const std::string nombre(texto::SinBlancosExteriores(txtEntrada.GetText()));
  if (nombre.empty()) {
    txtEntrada.SetFocus();
    editor::Avisar(servicios_, "El nombre de la entrada no puede estar vacío");
    return false;
  }
  txtEntrada.SetText(nombre);
  return editor::GuardarSinRepetir(
      servicios_, [&] { return ExisteEntrada(nombre); },
      "El nombre de la entrada ya existe para otra entrada",
      [&] { Existente ? ActualizarEntrada() : InsertarEntrada(); });
}

// Another entry with the same name as the dictionary compares names: it would be dropped when
// the dictionary loads.
bool frmEntrada::ExisteEntrada(const std::string& nombre) {
  bool existe = false;
  editor::Atrapando(servicios_, [&] {
    existe = editor::ExisteNombre("Entrada", "Entrada", nombre,
                                  "IdEntrada <> " + std::to_string(IdEntry));
  });
  return existe;
}

void frmEntrada::EscribirColumnas(Recordset& registro) {
  const auto morfologia = editor::ClaseElegida(imcMorfologia, "la clasificación morfológica");
  const auto sexismo = editor::ClaseElegida(imcSexismo, "la clasificación sexista");
  registro.Fields("Entrada").SetValue(
      std::string(texto::SinBlancosExteriores(txtEntrada.GetText())));
  const auto& comentario = RTBEtimologia.GetTextRTF();
  registro.Fields("Etimologia").SetValue(comentario.empty() ? db::Valor{} : db::Valor{comentario});
  registro.Fields("Morfologia").SetValue(morfologia);
  registro.Fields("Sexismo").SetValue(sexismo);
}

void frmEntrada::InsertarEntrada() {
  Recordset registro;
  editor::Abrir(registro, "Select * from Entrada Where IdEntrada = -1", TipoCursor::Keyset,
                TipoBloqueo::Optimista);
  registro.AddNew();
  EscribirColumnas(registro);
  registro.Update();
  IdEntry = db::Entero32(registro.Fields("idEntrada").GetValue(), "IdEntrada").value();
  registro.Close();
}

void frmEntrada::ActualizarEntrada() {
  Recordset registro;
  editor::Abrir(registro, "Select * from Entrada Where IdEntrada = " + std::to_string(IdEntry),
                TipoCursor::Dinamico, TipoBloqueo::Optimista);
  if (!registro.GetEOF()) {
    EscribirColumnas(registro);
    registro.Update();
  }
  registro.Close();
}

void frmEntrada::lvSustitutos_MouseUp(int boton) {
  if (boton != ui::kBotonDerecho || !Existente) return;
  mnuSubstitutesDeleteSubstitute.SetEnabled(editor::HaySeleccion(lvSustitutos));
  mnuSubstitutesModifySubstitute.SetEnabled(true);
  servicios_.MostrarMenu(mnuSubstitutes, &mnuSubstitutesModifySubstitute);
}

void frmEntrada::NuevoSustituto() {
  editor::Atrapando(servicios_, [&] {
    frmSustituto_.Load();
    frmSustituto_.SetIdEntry(IdEntry);
    MostrarEditorSustituto();
  });
}

void frmEntrada::ModificarSustituto() {
  const auto& filas = lvSustitutos.ListItems();
  const auto elegida =
      std::find_if(filas.begin(), filas.end(), [](const auto& fila) { return fila.Selected; });
  if (elegida == filas.end()) {
    editor::Avisar(servicios_, "Tiene que seleccionar alguna sugerencia");
    return;
  }
  const auto id = std::stoi(elegida->Tag);
  editor::Atrapando(servicios_, [&] {
    frmSustituto_.Load();
    frmSustituto_.SetIdEntry(IdEntry);
    frmSustituto_.SetIdSustituto(id);
    frmSustituto_.Cargar();
    MostrarEditorSustituto();
  });
}

void frmEntrada::MostrarEditorSustituto() {
  auto& ventanas = servicios_.GetVentanas();
  ventanas.SetWindowPos(ventanas.HwndDe(frmSustituto_), ui::kHwndNoTopMost, 0, 0, 0, 0,
                        ui::kSwpNoSize | ui::kSwpNoMove);
  servicios_.MostrarModal(frmSustituto_);
  if (frmSustituto_.GetBOk()) RefrescarSustituto(frmSustituto_.GetIdSustituto());
}

void frmEntrada::EliminarSustitutos() {
  if (!editor::ConfirmarEliminacion(servicios_, lvSustitutos,
                                    "Tiene que seleccionar alguna sugerencia")) {
    return;
  }
  editor::Atrapando(servicios_, [&] {
    comun::Conectar();
    editor::BorrarSeleccionadas(lvSustitutos, [this](std::int32_t id) { BorrarSustituto(id); });
    comun::Desconectar();
  });
}

void frmEntrada::BorrarSustituto(std::int32_t id) {
  comun::Conexion()->Execute("Delete * from Sustituto Where IdSustituto = " + std::to_string(id));
}

void frmEntrada::CopiarSugerencia() {
  std::string texto = "Entrada: " + txtEntrada.GetText();
  if (const auto morfologia = imcMorfologia.GetText(); !morfologia.empty()) {
    texto += std::string(kCrLf) + kCrLf + "Clasificación morfológica: " + morfologia;
  }
  if (const auto sexismo = imcSexismo.GetText(); !sexismo.empty()) {
    texto += std::string(kCrLf) + kCrLf + "Clasificación sexista: " + sexismo;
  }
  if (const auto& comentario = RTBEtimologia.GetText(); !comentario.empty()) {
    texto += std::string(kCrLf) + kCrLf + "Comentario: " + comentario;
  }
  std::string sugerencias;
  for (const auto& fila : lvSustitutos.ListItems()) {
    if (sugerencias.empty()) sugerencias = "Sugerencias:";
    sugerencias += std::string(kCrLf) + "    " + fila.Text;
  }
  if (!sugerencias.empty()) texto += std::string(kCrLf) + kCrLf + sugerencias;
  servicios_.SetPortapapeles(texto);
}

}  // namespace quillora
