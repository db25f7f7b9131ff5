#include "editor/frm_sustituto.h"

#include "common/office_xp_style.h"
#include "common/texto_unicode.h"
#include "db/recordset.h"
#include "dictionary/comun.h"
#include "editor/dialogo_bd.h"
#include "ui/servicios.h"

namespace quillora {

namespace {

using db::Recordset;
using db::TipoBloqueo;
using db::TipoCursor;

constexpr std::int32_t kLargoTexto = 250;

}  // namespace

frmSustituto::frmSustituto(ui::Servicios& servicios)
    : ui::Formulario("Alternativa"), servicios_(servicios) {
  Registrar({&Label1, &txtEntrada, &Label2, &txtSustituto, &Frame1, &txtContexto, &cmdAceptar,
             &cmdCancelar});
  txtEntrada.SetLocked(true);
  txtEntrada.SetMaxLength(kLargoTexto);
  txtSustituto.SetMaxLength(kLargoTexto);
  txtContexto.SetMultiLine(true);
  cmdAceptar.Click = [this] {
    if (!Guardar()) return;
    BOk = true;
    Unload(ui::ModoCierre::Codigo);
  };
  cmdCancelar.Click = [this] { Unload(ui::ModoCierre::Codigo); };
}

void frmSustituto::Form_Load() {
  office_xp_style::AplicarEstilo(servicios_.GetVentanas(), *this);
  BOk = false;
  IdSustituto = -1;
  IdEntry = -1;
  Existente = false;
  // A window loaded again starts with empty boxes, as a new one does.
  for (auto* caja : {&txtEntrada, &txtSustituto, &txtContexto}) caja->SetText("");
}

void frmSustituto::SetIdEntry(std::int32_t id) {
  IdEntry = id;
  CargarNombreEntrada();
}

void frmSustituto::CargarNombreEntrada() {
  editor::Atrapando(servicios_, [&] {
    comun::Conectar();
    Recordset registro;
    editor::Abrir(
        registro,
        "Select Entrada.Entrada from Entrada Where Entrada.IdEntrada = " + std::to_string(IdEntry),
        TipoCursor::SoloAvance, TipoBloqueo::Optimista);
    if (registro.GetEOF()) {
      IdEntry = -1;
      txtEntrada.SetText("");
    } else {
      txtEntrada.SetText(editor::TextoRecortado(registro, "Entrada"));
    }
    registro.Close();
    comun::Desconectar();
  });
}

void frmSustituto::Cargar() {
  editor::Atrapando(servicios_, [&] {
    comun::Conectar();
    Recordset registro;
    editor::Abrir(registro,
                  "Select Sustituto.*, (Select Entrada.Entrada From Entrada Where "
                  "Entrada.IdEntrada = Sustituto.Entrada) as NombreEntrada from Sustituto Where "
                  "Sustituto.IdSustituto = " +
                      std::to_string(IdSustituto),
                  TipoCursor::Dinamico, TipoBloqueo::Optimista);
    if (!registro.GetEOF()) {
      txtEntrada.SetText(editor::TextoRecortado(registro, "NombreEntrada"));
      txtSustituto.SetText(editor::TextoRecortado(registro, "Sustituto"));
      txtContexto.SetText(db::ComoTexto(registro.Fields("Contexto").GetValue()).value_or(""));
      // The alternative's own entry: the duplicate test looks among its alternatives.
      IdEntry = db::Entero32(registro.Fields("Entrada").GetValue(), "Entrada").value_or(-1);
      Existente = true;
    } else {
      IdSustituto = -1;
    }
    registro.Close();
    comun::Desconectar();
  });
}

bool frmSustituto::Guardar() {
  const std::string texto(texto::SinBlancosExteriores(txtSustituto.GetText()));
  if (texto.empty()) {
    txtSustituto.SetFocus();
    editor::Avisar(servicios_, "El texto de la alternativa no puede estar vacío");
    return false;
  }
  return editor::GuardarSinRepetir(
      servicios_, [&] { return ExisteSustituto(texto); },
      "Ya existe una alternativa con el mismo texto para la entrada",
      [&] { Existente ? ActualizarSustituto() : InsertarSustituto(); });
}

// The same text, as the dictionary compares texts, in another alternative of the same entry.
bool frmSustituto::ExisteSustituto(const std::string& texto) {
  bool existe = false;
  editor::Atrapando(servicios_, [&] {
    existe = editor::ExisteNombre("Sustituto", "Sustituto", texto,
                                  "IdSustituto <> " + std::to_string(IdSustituto) +
                                      " and Entrada = " + std::to_string(IdEntry));
  });
  return existe;
}

namespace {

// The columns both the insert and the update write.
void EscribirTextos(Recordset& registro, const std::string& sustituto,
                    const std::string& contexto) {
  registro.Fields("Sustituto").SetValue(sustituto);
  registro.Fields("Contexto").SetValue(contexto.empty() ? db::Valor{} : db::Valor{contexto});
}

}  // namespace

void frmSustituto::InsertarSustituto() {
  Recordset registro;
  editor::Abrir(registro, "Select * from Sustituto Where IdSustituto = -1", TipoCursor::Keyset,
                TipoBloqueo::Pesimista);
  registro.AddNew();
  EscribirTextos(registro, std::string(texto::SinBlancosExteriores(txtSustituto.GetText())),
                 txtContexto.GetText());
  registro.Fields("Entrada").SetValue(std::int64_t{IdEntry});
  registro.Update();
  IdSustituto = db::Entero32(registro.Fields("idSustituto").GetValue(), "IdSustituto").value();
  registro.Close();
}

void frmSustituto::ActualizarSustituto() {
  Recordset registro;
  editor::Abrir(registro,
                "Select * from Sustituto Where IdSustituto = " + std::to_string(IdSustituto),
                TipoCursor::Dinamico, TipoBloqueo::Optimista);
  if (!registro.GetEOF()) {
    EscribirTextos(registro, std::string(texto::SinBlancosExteriores(txtSustituto.GetText())),
                   txtContexto.GetText());
    registro.Update();
  }
  registro.Close();
}

}  // namespace quillora
