#include "scan/frm_procesar.h"

#include "common/error_sistema.h"
#include "common/texto_unicode.h"
#include "dictionary/entrada.h"
#include "dictionary/sustituto.h"
#include "dictionary/sustitutos.h"
#include "scan/aposicion.h"
#include "scan/buscador.h"
#include "scan/desdoble.h"
#include "scan/documentos.h"
#include "scan/vecindad.h"
#include "ui/servicios.h"
#include "word/application.h"
#include "word/comment.h"
#include "word/document.h"
#include "word/host_error.h"
#include "word/range.h"

namespace quillora {

namespace {

constexpr auto kPalabra = word::Unidad::Palabra;

// How many blanks end the text: each is one position in the document.
std::int32_t BlancosFinales(std::string_view texto) {
  std::int32_t blancos = 0;
  while (!texto.empty()) {
    if (texto.back() == ' ') {
      texto.remove_suffix(1);
    } else if (texto.ends_with("\xC2\xA0")) {
      texto.remove_suffix(2);
    } else {
      break;
    }
    ++blancos;
  }
  return blancos;
}

// Written pairs such as "niños/as", "alumno-a" or "trabajadores\as": the word, a "/", "\" or
// "-" right after it, and a/o/as/os right after that. Answers the range of the third word.
std::shared_ptr<word::Range> FormaUnida(const word::Range& palabra) {
  if (BlancosFinales(palabra.GetText()) > 0) return nullptr;
  const auto separador = palabra.Next(kPalabra, 1);
  if (!separador || separador->GetStart() != palabra.GetEnd()) return nullptr;
  const auto signo = separador->GetText();
  if (signo != "/" && signo != "\\" && signo != "-") return nullptr;
  auto terminacion = separador->Next(kPalabra, 1);
  if (!terminacion || terminacion->GetStart() != separador->GetEnd()) return nullptr;
  auto texto = terminacion->GetText();
  texto.resize(texto.size() - static_cast<size_t>(BlancosFinales(texto)));
  const auto final = texto::Mayusculas(texto);
  if (final != "A" && final != "O" && final != "AS" && final != "OS") return nullptr;
  return terminacion;
}

// A doublet already names both sexes, and a term followed by the name of the person it speaks of
// is no generic: neither needs a mark.
bool SobraLaMarca(const Entrada& entrada, const std::shared_ptr<word::Range>& inicial,
                  const std::shared_ptr<word::Range>& final) {
  Vecindad vecindad(inicial, final);
  return EsDesdoble(entrada, vecindad) || SigueNombreDePersona(entrada, vecindad);
}

}  // namespace

std::string TextoMarca(const Entrada& entrada) {
  std::string texto;
  for (const auto& sustituto : entrada.GetSustitutos()->NewEnum()) {
    if (!texto.empty()) texto += "\r\n";
    texto += texto::SinBlancosExteriores(sustituto->GetSustituto());
  }
  return texto;
}

frmProcesar::frmProcesar(ui::Servicios& servicios)
    : ui::Formulario("Quillora"), servicios_(servicios) {
  Registrar({&pbQuillora, &cmdCancelar});
  cmdCancelar.Click = [this] { cancelado_ = true; };
}

void frmProcesar::Form_Load() {
  cancelado_ = false;
  activado_ = false;
}

void frmProcesar::Form_Activate() {
  if (activado_) return;
  activado_ = true;
  Procesar();
}

void frmProcesar::Form_QueryUnload(bool& cancel, ui::ModoCierre /*modo*/) {
  // The run notices the request at its next stop and closes the window itself.
  if (!cancelado_) {
    cancelado_ = true;
    cancel = true;
  }
}

void frmProcesar::Terminar() {
  cancelado_ = true;
  Unload(ui::ModoCierre::Codigo);
}

void frmProcesar::Procesar() {
  pbQuillora.SetValue(0);
  std::int32_t abiertos = 0;
  try {
    abiertos = wrd_->GetDocuments()->Count();
  } catch (const word::HostError&) {
    Terminar();
    return;
  }
  std::shared_ptr<word::Document> documento;
  try {
    if (abiertos > 0) documento = wrd_->GetActiveDocument();
  } catch (const word::HostError&) {
    documento.reset();
  }
  if (!documento) {
    servicios_.MsgBox("No hay ningún documento activo", ui::Icono::Informacion,
                      ui::Botones::Aceptar, "Quillora");
    Terminar();  // nothing else to do in this window
    return;
  }

  // Old marks go first, so that running twice gives the same marks. A comment that cannot be
  // read or deleted is passed over.
  try {
    const auto comentarios = documento->GetComments();
    for (std::int32_t i = 1; i <= comentarios->Count();) {
      try {
        const auto comentario = comentarios->Item(i);
        if (comentario->GetInitial() == kIniciales) {
          comentario->Delete();
          continue;
        }
      } catch (const word::HostError&) {
      }
      ++i;
    }
  } catch (const word::HostError&) {
  }

  try {
    Recorrer(documento->Range());
  } catch (const std::exception& error) {
    servicios_.MsgBox(comun::MensajeEspanol(error), ui::Icono::Exclamacion, ui::Botones::Aceptar,
                      "Quillora");
  }
  Terminar();
}

void frmProcesar::Recorrer(const std::shared_ptr<word::Range>& texto) {
  Buscador buscador;
  buscador.SetGestion(gestion_);
  const auto palabras = texto->GetWords();
  auto actual = palabras->GetFirst();
  pbQuillora.SetMax(palabras->Count());
  std::int32_t recorridas = 0;
  while (!cancelado_) {
    if (!actual) break;
    bool avanzar = true;
    if (const auto terminacion = FormaUnida(*actual)) {
      actual->SetRange(actual->GetStart(), terminacion->GetEnd());
    }
    buscador.ProcesarPalabra(actual, *documentos_);
    if (buscador.GetEstado() == Buscador::kTerminado) {
      const auto& inicial = buscador.GetRangoInicial();
      const auto& final = buscador.GetRangoFinal();
      if (const auto& entrada = buscador.GetUltimaEntradaValida(); entrada && inicial && final) {
        if (marcarDesdobles_ || !SobraLaMarca(*entrada, inicial, final)) {
          const auto fin = final->GetEnd() - BlancosFinales(final->GetText());
          Marcar(final->GetParent()->Range(inicial->GetStart(), fin), *entrada);
        }
        actual = final->Next(kPalabra, 1);
        avanzar = false;
      } else if (inicial) {
        actual = inicial->Next(kPalabra, 1);
        avanzar = false;
      }
      buscador.Limpiar();
      pbQuillora.SetValue(std::min(recorridas, pbQuillora.GetMax()));
      if (cancelado_) break;
    }
    if (avanzar) {
      actual = actual->Next(kPalabra, 1);
      ++recorridas;
    }
    if (recorridas % 10 != 0) servicios_.ProcesarMensajes();
  }
}

void frmProcesar::Marcar(const std::shared_ptr<word::Range>& rango, const Entrada& entrada) {
  const auto comentario = rango->GetComments()->Add(*rango, TextoMarca(entrada));
  comentario->SetAuthor(kAutor);
  comentario->SetInitial(kIniciales);
}

}  // namespace quillora
