#include "review/frm_quillora.h"

#include <algorithm>

#include "common/office_xp_style.h"
#include "common/texto_unicode.h"
#include "dictionary/determinantes.h"
#include "dictionary/entrada.h"
#include "dictionary/entrada_documento.h"
#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "dictionary/morfologia.h"
#include "dictionary/sexismo.h"
#include "dictionary/sustituto.h"
#include "review/rft.h"
#include "scan/documentos.h"
#include "scan/frm_procesar.h"
#include "ui/servicios.h"
#include "word/comment.h"
#include "word/document.h"
#include "word/range.h"

namespace quillora {

namespace {

constexpr int kContexto = 49;  // characters shown on each side of the term

std::string Recortar(std::string_view texto) {
  return std::string(texto::SinBlancosExteriores(texto));
}

std::string PrimeraPalabra(std::string_view texto) {
  return std::string(texto.substr(0, texto.find(' ')));
}

// Whether the text starts with a character that is its own capital, as a capital letter (or a
// digit, or a sign) is.
bool EmpiezaEnMayuscula(std::string_view texto) {
  const auto letras = texto::CodePoints(texto);
  return !letras.empty() && letras.front() == texto::Mayuscula(letras.front());
}

// The text with its first letter in capitals or not; the rest as it is.
std::string ConInicial(std::string_view texto, bool mayuscula) {
  auto letras = texto::CodePoints(texto);
  if (letras.empty()) return std::string(texto);
  letras.front() = mayuscula ? texto::Mayuscula(letras.front()) : texto::Minuscula(letras.front());
  std::string resultado;
  for (const auto letra : letras) texto::AnadirUtf8(resultado, letra);
  return resultado;
}

// The text of the paragraph a range starts in, and where that paragraph lies.
struct Parrafo {
  std::int32_t inicio;
  std::int32_t fin;
  bool operator==(const Parrafo&) const = default;
};
Parrafo ParrafoDe(const word::Range& rango) {
  const auto parrafo = rango.GetParagraphs()->Item(1)->GetRange();
  return {parrafo->GetStart(), parrafo->GetEnd()};
}

// Up to kContexto characters of the same paragraph, walking from the range one character at a
// time in one direction.
std::string Vecinos(const word::Range& alcance, const Parrafo& parrafo, bool antes) {
  std::string texto;
  std::shared_ptr<word::Range> actual;
  for (int i = 0; i < kContexto; ++i) {
    const auto& desde = actual ? *actual : alcance;
    std::shared_ptr<word::Range> caracter;
    try {
      caracter =
          antes ? desde.Previous(word::Unidad::Caracter, 1) : desde.Next(word::Unidad::Caracter, 1);
    } catch (const std::exception&) {
      break;  // the start or end of the document
    }
    if (!caracter || !(ParrafoDe(*caracter) == parrafo)) break;
    texto = antes ? caracter->GetText() + texto : texto + caracter->GetText();
    actual = caracter;
  }
  return texto;
}

// The text without the comment reference marks Word keeps in it, escaped.
std::string ParaRtf(std::string texto) {
  std::erase(texto, '\x05');
  return rft::EscaparRTF(texto);
}

std::string DocumentoDeClase(const std::string& nombre, const std::string& descripcion) {
  return rft::CabeceraRTF() + rft::Negrita(rft::EscaparRTF(nombre + ": ")) +
         rft::EscaparRTF(descripcion) + "}";
}

std::string LineaDeClase(const std::string& rotulo, const std::string& nombre) {
  return rft::Negrita(rft::EscaparRTF(rotulo)) + rft::EscaparRTF(nombre) + "\\par";
}

void Vaciar(ui::TextoEnriquecido& caja) {
  caja.SetTextRTF("");
  caja.SetText("");
}

}  // namespace

frmQuillora::frmQuillora(ui::Servicios& servicios)
    : ui::Formulario("Quillora"), servicios_(servicios) {
  Registrar({&lblCaption, &Label1, &rtbTermino, &Label5, &rtfMorfologia, &Label4, &rtfSexismo,
             &Label2, &RTBEtimologia, &Label3, &lvSugerencias, &cmdCambiar, &cmdCambiarTodas,
             &cmdOmitir, &cmdOmitirTodas, &cmdMas, &cmdCerrar});
  for (auto* caja : {&rtbTermino, &rtfMorfologia, &rtfSexismo, &RTBEtimologia}) {
    caja->SetLocked(true);
  }
  lvSugerencias.ColumnHeaders() = {{"Sugerencia", 2500, "", ""}, {"Contexto", 5000, "", ""}};
  cmdCambiar.Click = [this] { cmdCambiar_Click(); };
  lvSugerencias.DblClick = [this] { cmdCambiar_Click(); };
  cmdCambiarTodas.Click = [this] { cmdCambiarTodas_Click(); };
  cmdOmitir.Click = [this] { OmitirUna(); };
  cmdOmitirTodas.Click = [this] { OmitirTodas(); };
  cmdMas.Click = [this] { cmdMas_Click(); };
  cmdCerrar.Click = [this] { Unload(ui::ModoCierre::Codigo); };
}

void frmQuillora::SetSelectedComment(std::shared_ptr<word::Comment> comentario) {
  SelectedComment = std::move(comentario);
}
void frmQuillora::SetWrd(std::shared_ptr<word::Application> wrd) { Wrd = std::move(wrd); }
void frmQuillora::SetGestion(std::shared_ptr<GestionBD> gestion) { Gestion = std::move(gestion); }
void frmQuillora::SetDocumentosCargados(std::shared_ptr<Documentos> documentos) {
  DocumentosCargados = std::move(documentos);
}

void frmQuillora::Form_Load() {
  office_xp_style::AplicarEstilo(servicios_.GetVentanas(), *this);
  SelectedComment.reset();
  Wrd.reset();
  Gestion.reset();
  DocumentosCargados.reset();
  Ampliado = false;
  SetHeight(kAltoNormal);
  cmdMas.SetCaption("Más");
  LimpiarControles();
}

void frmQuillora::Form_Unload() {
  SelectedComment.reset();
  Gestion.reset();
  Wrd.reset();
}

// A loaded dialog starts as new: the boxes of an earlier review are emptied too.
void frmQuillora::LimpiarControles() {
  for (auto* caja : {&rtbTermino, &rtfMorfologia, &rtfSexismo, &RTBEtimologia}) Vaciar(*caja);
  lvSugerencias.ListItems().clear();
}

void frmQuillora::Avisar(const std::string& texto) {
  servicios_.MsgBox(texto, ui::Icono::Exclamacion, ui::Botones::Aceptar, "Quillora");
}

void frmQuillora::Cargar() {
  if (!SelectedComment) {
    Avisar("No se ha encontrado el texto a sustitutir");
    return;
  }
  if (!Gestion) {
    Avisar("No se ha obtenido acceso a la base de datos");
    return;
  }
  const auto entrada =
      Gestion->GetEntradas()->ItemByText(Recortar(SelectedComment->GetScope()->GetText()));
  if (!entrada) {
    Avisar("No existe ninguna entrada con ese valor en la base de datos");
    return;
  }
  MostrarTermino();
  std::string cabecera;
  auto cuerpo = rft::SepararRTF(entrada->GetEtimologia(), cabecera);
  if (const auto morfologia = entrada->GetMorfologia()) {
    rtfMorfologia.SetTextRTF(
        DocumentoDeClase(morfologia->GetMorfologia(), morfologia->GetDescripcion()));
    cuerpo = LineaDeClase("Clasificación morfológica: ", morfologia->GetMorfologia()) + cuerpo;
  }
  if (const auto sexismo = entrada->GetSexismo()) {
    rtfSexismo.SetTextRTF(DocumentoDeClase(sexismo->GetSexismo(), sexismo->GetDescripcion()));
    cuerpo = LineaDeClase("Clasificación sexista: ", sexismo->GetSexismo()) + cuerpo;
  }
  RTBEtimologia.SetTextRTF(cabecera + cuerpo + "}");
  CargarSugerencias(*entrada);
}

void frmQuillora::MostrarTermino() {
  Vaciar(rtbTermino);
  const auto alcance = SelectedComment->GetScope();
  // Neighbours count only within the term's own paragraph.
  const auto parrafo = ParrafoDe(*alcance);
  const auto antes = Vecinos(*alcance, parrafo, true);
  const auto despues = Vecinos(*alcance, parrafo, false);
  rtbTermino.SetTextRTF(rft::InsertarTablaColores(rft::CabeceraRTF()) + ParaRtf(antes) +
                        rft::Resaltar(rft::Negrita(ParaRtf(alcance->GetText()))) +
                        ParaRtf(despues) + "}");
}

void frmQuillora::CargarSugerencias(const Entrada& entrada) {
  for (const auto& sustituto : entrada.GetSustitutos()->NewEnum()) {
    ui::VistaLista::Fila fila;
    fila.Text = Recortar(sustituto->GetSustituto());
    fila.SubItems = {sustituto->GetContexto()};
    fila.Tag = std::to_string(sustituto->GetId());
    lvSugerencias.ListItems().push_back(std::move(fila));
  }
}

void frmQuillora::Reemplazar(const std::string& alternativa, const word::Comment& marca) {
  const auto esDeterminante = [this](std::string_view palabra) {
    return Gestion && Gestion->GetDeterminantes()->ItemByText(Recortar(palabra)) != nullptr;
  };
  auto nuevo = Recortar(alternativa);
  const auto alcance = marca.GetScope();
  const auto texto = alcance->GetText();
  const auto anterior = alcance->Previous(word::Unidad::Palabra, 1);
  const auto palabraAnterior = anterior ? Recortar(anterior->GetText()) : std::string();
  const bool determinanteAntes = anterior && esDeterminante(palabraAnterior);
  if (texto.empty()) {
    alcance->SetText(nuevo);
    return;
  }
  const auto termino = Recortar(texto);
  // An entry that itself begins with a determiner ("el hombre") is replaced whole.
  const bool terminoConDeterminante =
      termino.find(' ') != std::string::npos && esDeterminante(PrimeraPalabra(termino));
  const bool alternativaConDeterminante =
      nuevo.find(' ') != std::string::npos && esDeterminante(PrimeraPalabra(nuevo));
  const bool mayusculaTermino = EmpiezaEnMayuscula(texto);
  if (texto.back() == ' ') nuevo += ' ';

  if (terminoConDeterminante) {
    nuevo = ConInicial(nuevo, mayusculaTermino);
  } else if (!determinanteAntes) {
    // Nothing before the term to agree with: the alternative's own determiner goes.
    if (alternativaConDeterminante) nuevo.erase(0, nuevo.find(' ') + 1);
    nuevo = ConInicial(nuevo, mayusculaTermino);
  } else if (alternativaConDeterminante) {
    // The alternative's determiner takes the place of the one before the term; a contraction
    // keeps its preposition ("del hombre" → "de la persona", "del ser humano").
    const auto previa = texto::Mayusculas(palabraAnterior);
    const std::string preposicion = previa == "DEL" ? "de" : previa == "AL" ? "a" : "";
    nuevo = ConInicial(nuevo, false);
    if (!preposicion.empty()) {
      nuevo = PrimeraPalabra(nuevo) == "el" ? preposicion + "l" + nuevo.substr(2)
                                            : preposicion + " " + nuevo;
    }
    nuevo = ConInicial(nuevo, EmpiezaEnMayuscula(palabraAnterior));
    anterior->SetText("");
  } else {
    // The determiner stays; the new word keeps the term's own capital.
    nuevo = ConInicial(nuevo, mayusculaTermino);
  }
  alcance->SetText(nuevo);
}

const ui::VistaLista::Fila* frmQuillora::SustitutoElegido() {
  const auto& filas = lvSugerencias.ListItems();
  const auto elegida = std::ranges::find_if(filas, [](const auto& fila) { return fila.Selected; });
  if (elegida == filas.end()) {
    Avisar("Tiene que seleccionar algún sustituto");
    return nullptr;
  }
  return &*elegida;
}

template <typename Accion>
void frmQuillora::ParaCadaMarcaIgual(Accion&& accion) {
  const auto termino = texto::Mayusculas(Recortar(SelectedComment->GetScope()->GetText()));
  const auto documento = SelectedComment->GetRange()->GetParent();
  const auto comentarios = documento->GetComments();
  for (std::int32_t i = 1; i <= comentarios->Count();) {
    const auto comentario = comentarios->Item(i);
    if (comentario->GetInitial() != kIniciales ||
        texto::Mayusculas(Recortar(comentario->GetScope()->GetText())) != termino) {
      ++i;
      continue;
    }
    accion(*comentario);
    comentario->Delete();  // the next comment moves into place
  }
}

void frmQuillora::cmdCambiar_Click() {
  const auto* elegido = SustitutoElegido();
  if (elegido == nullptr) return;
  if (SelectedComment) {
    Reemplazar(elegido->Text, *SelectedComment);
    SelectedComment->Delete();
    SelectedComment.reset();
  }
  Unload(ui::ModoCierre::Codigo);
}

void frmQuillora::cmdCambiarTodas_Click() {
  const auto* elegido = SustitutoElegido();
  if (elegido == nullptr) return;
  const auto alternativa = elegido->Text;
  if (SelectedComment) {
    ParaCadaMarcaIgual([&](const word::Comment& marca) { Reemplazar(alternativa, marca); });
  }
  Unload(ui::ModoCierre::Codigo);
}

void frmQuillora::OmitirUna() {
  if (SelectedComment) {
    SelectedComment->Delete();
    SelectedComment.reset();
  }
  Unload(ui::ModoCierre::Codigo);
}

void frmQuillora::OmitirTodas() {
  if (SelectedComment) {
    const auto documento = SelectedComment->GetRange()->GetParent();
    const auto termino = texto::Mayusculas(Recortar(SelectedComment->GetScope()->GetText()));
    ParaCadaMarcaIgual([](const word::Comment&) {});
    const auto entrada = Gestion ? Gestion->GetEntradas()->ItemByText(termino) : nullptr;
    if (entrada && DocumentosCargados) {
      const auto registro =
          entrada->GetDocumentos()->ItemByText(DocumentosCargados->IdDocumentoStr(documento));
      if (registro) registro->SetOmitir(true);
    }
  }
  Unload(ui::ModoCierre::Codigo);
}

void frmQuillora::cmdMas_Click() {
  Ampliado = !Ampliado;
  SetHeight(Ampliado ? kAltoAmpliado : kAltoNormal);
  cmdMas.SetCaption(Ampliado ? "Menos" : "Más");
}

}  // namespace quillora
