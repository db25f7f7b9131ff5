#include "scan/buscador.h"

#include <stdexcept>

#include "dictionary/clave_texto.h"
#include "dictionary/entrada.h"
#include "dictionary/entradas.h"
#include "dictionary/entradas_documentos.h"
#include "dictionary/gestion_bd.h"
#include "scan/documentos.h"
#include "word/range.h"

namespace quillora {

namespace {

constexpr std::string_view kEspacioDuro = "\xC2\xA0";
constexpr std::string_view kGuionOpcional = "\xC2\xAD";

bool EmpiezaPorBlanco(std::string_view texto) {
  return texto.starts_with(' ') || texto.starts_with(kEspacioDuro);
}

bool AcabaEnBlanco(std::string_view texto) {
  return texto.ends_with(' ') || texto.ends_with(kEspacioDuro);
}

}  // namespace

std::string PalabraDeRango(const std::string& textoRango) {
  std::string_view palabra = textoRango;
  while (EmpiezaPorBlanco(palabra)) palabra.remove_prefix(palabra[0] == ' ' ? 1 : 2);
  while (AcabaEnBlanco(palabra)) palabra.remove_suffix(palabra.back() == ' ' ? 1 : 2);
  if (palabra.find(kGuionOpcional) == std::string_view::npos) return std::string(palabra);
  std::string sinGuiones;
  sinGuiones.reserve(palabra.size());
  for (auto resto = palabra; !resto.empty();) {
    const auto guion = resto.find(kGuionOpcional);
    sinGuiones.append(resto.substr(0, guion));
    if (guion == std::string_view::npos) break;
    resto.remove_prefix(guion + kGuionOpcional.size());
  }
  return sinGuiones;
}

void Buscador::Limpiar() {
  estado_ = kInactivo;
  rangoInicial_.reset();
  rangoFinal_.reset();
  rangoEntradaValida_.reset();
  claveAcumulada_.clear();
  nodo_ = IndicePrefijos::kRaiz;
  ultimaEntradaValida_.reset();
}

void Buscador::ProcesarPalabra(const std::shared_ptr<word::Range>& rango,
                               Documentos& documentosActuales) {
  if (!rango) return;
  const std::string palabra = PalabraDeRango(rango->GetText());
  if (palabra.empty()) return;

  if (!gestion_) throw std::logic_error("El buscador no tiene ningún diccionario");
  // A word has no outer blanks, and upper case is mapped letter by letter: the key of the words
  // read so far is the keys of each, joined by blanks, and the index takes it word by word.
  const auto& prefijos = gestion_->GetEntradas()->GetPrefijos();
  if (version_ != prefijos.GetVersion()) {
    // The dictionary changed between two words: their place is found again from their key.
    nodo_ = claveAcumulada_.empty() ? IndicePrefijos::kRaiz
                                    : prefijos.Avanzar(IndicePrefijos::kRaiz, claveAcumulada_);
    version_ = prefijos.GetVersion();
  }
  const std::string clave = ClaveTexto(palabra);
  const auto nodo =
      nodo_ == IndicePrefijos::kNinguno ? IndicePrefijos::kNinguno : prefijos.Avanzar(nodo_, clave);
  if (nodo == IndicePrefijos::kNinguno) {
    estado_ = kTerminado;
    rangoFinal_ = std::move(rangoEntradaValida_);
    rangoEntradaValida_.reset();
    return;
  }

  if (estado_ == kTerminado) ultimaEntradaValida_.reset();
  if (!claveAcumulada_.empty()) claveAcumulada_ += ' ';
  claveAcumulada_ += clave;
  nodo_ = nodo;
  estado_ = kEnCurso;
  rangoFinal_ = rango;
  if (!rangoInicial_) rangoInicial_ = rango;

  Entrada* completa = prefijos.EntradaEn(nodo_);
  if (completa && EntradaValidaEnDocumento(*completa, *rango, documentosActuales)) {
    ultimaEntradaValida_ = completa->shared_from_this();
    rangoEntradaValida_ = rango;
  }
}

bool Buscador::EntradaValidaEnDocumento(const Entrada& entrada, const word::Range& rango,
                                        Documentos& documentosActuales) const {
  const auto clave = documentosActuales.IdDocumentoStr(rango.GetParent());
  const auto registro = entrada.GetDocumentos()->ItemByText(clave);
  return registro && !registro->GetOmitir();
}

}  // namespace quillora
