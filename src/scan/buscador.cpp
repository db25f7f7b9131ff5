#include "scan/buscador.h"

#include <stdexcept>

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
  textoAcumulado_.clear();
  ultimaEntradaValida_.reset();
}

void Buscador::ProcesarPalabra(const std::shared_ptr<word::Range>& rango,
                               Documentos& documentosActuales) {
  if (!rango) return;
  const std::string palabra = PalabraDeRango(rango->GetText());
  if (palabra.empty()) return;

  if (!gestion_) throw std::logic_error("El buscador no tiene ningún diccionario");
  std::string texto = textoAcumulado_.empty() ? palabra : textoAcumulado_ + ' ' + palabra;
  const auto& entradas = *gestion_->GetEntradas();
  if (entradas.ItemsByText(texto).Count() == 0) {
    estado_ = kTerminado;
    rangoFinal_ = std::move(rangoEntradaValida_);
    rangoEntradaValida_.reset();
    return;
  }

  if (estado_ == kTerminado) ultimaEntradaValida_.reset();
  textoAcumulado_ = std::move(texto);
  estado_ = kEnCurso;
  rangoFinal_ = rango;
  if (!rangoInicial_) rangoInicial_ = rango;

  auto completa = entradas.ItemByText(textoAcumulado_);
  if (completa && EntradaValidaEnDocumento(*completa, *rango, documentosActuales)) {
    ultimaEntradaValida_ = std::move(completa);
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
