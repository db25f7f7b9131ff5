#include "servicios_terminal.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <istream>
#include <ostream>
#include <stdexcept>

#include "interrupcion.h"
#include "ui/barra_progreso.h"
#include "ui/formulario.h"

namespace quillora::terminal {

namespace {

constexpr int kAnchoBarra = 30;
constexpr int kPeticionesDeCierre = 100;

// An answer is yes when it starts with an s (sí, si, s), in either case.
bool EsSi(const std::string& respuesta) {
  const auto inicio = respuesta.find_first_not_of(" \t");
  return inicio != std::string::npos && (respuesta[inicio] == 's' || respuesta[inicio] == 'S');
}

}  // namespace

ServiciosTerminal::ServiciosTerminal(std::ostream& salida, bool dibujarProgreso,
                                     std::istream* respuestas)
    : salida_(salida), dibujarProgreso_(dibujarProgreso), respuestas_(respuestas) {}

ui::Respuesta ServiciosTerminal::MsgBox(const std::string& texto, ui::Icono icono,
                                        ui::Botones botones, const std::string& titulo) {
  ++mensajesMostrados_;
  if (icono == ui::Icono::Exclamacion || icono == ui::Icono::Critico) ++avisosMostrados_;
  if (ultimoDibujo_ >= 0) salida_ << '\n';  // below the progress bar
  ultimoDibujo_ = -1;
  salida_ << (titulo.empty() ? "Quillora" : titulo) << ": " << texto;
  if (botones != ui::Botones::SiNo) {
    salida_ << '\n';
    return ui::Respuesta::Aceptar;
  }
  salida_ << " [s/N] " << std::flush;
  if (respuestaFija_) {
    salida_ << (respuestaFija_ == ui::Respuesta::Si ? "s" : "n") << '\n';
    return *respuestaFija_;
  }
  std::string respuesta;
  if (respuestas_ == nullptr || !std::getline(*respuestas_, respuesta)) {
    salida_ << "n\n";
    return ui::Respuesta::No;
  }
  return EsSi(respuesta) ? ui::Respuesta::Si : ui::Respuesta::No;
}

void ServiciosTerminal::MostrarModal(ui::Formulario& formulario) {
  ui::Formulario* anterior = ventana_;
  ventana_ = &formulario;
  formulario.Load();
  formulario.Activate();
  if (alMostrar && formulario.GetCargado()) {
    try {
      alMostrar(formulario);
    } catch (...) {
      ventana_ = anterior;
      throw;
    }
  }
  for (int peticion = 0; formulario.GetCargado(); ++peticion) {
    if (peticion == kPeticionesDeCierre) {
      ventana_ = anterior;
      throw std::runtime_error("La ventana «" + formulario.GetCaption() +
                               "» no se puede usar desde un terminal");
    }
    formulario.Unload(ui::ModoCierre::Usuario);
  }
  if (dibujarProgreso_ && ultimoDibujo_ >= 0) salida_ << '\n';
  ultimoDibujo_ = -1;
  ventana_ = anterior;
}

void ServiciosTerminal::ProcesarMensajes() {
  if (ventana_ == nullptr) return;
  if (Interrupcion::Pendiente()) {
    interrumpido_ = true;
    ventana_->Unload(ui::ModoCierre::Usuario);
  }
  if (dibujarProgreso_) DibujarProgreso();
}

std::string ServiciosTerminal::GetSeparadorMiles() {
  const locale_t regional = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (regional == static_cast<locale_t>(nullptr)) return {};
  std::string separador = nl_langinfo_l(THOUSEP, regional);
  const std::string agrupacion = nl_langinfo_l(GROUPING, regional);
  freelocale(regional);
  return agrupacion.empty() ? std::string() : separador;
}

void ServiciosTerminal::DibujarProgreso() {
  for (const auto* control : ventana_->Controles()) {
    const auto* barra = dynamic_cast<const ui::BarraProgreso*>(control);
    if (barra == nullptr) continue;
    const std::int64_t recorrido = std::int64_t{barra->GetValue()} - barra->GetMin();
    const std::int64_t total =
        std::max<std::int64_t>(1, std::int64_t{barra->GetMax()} - barra->GetMin());
    const std::int64_t porcentaje = std::clamp<std::int64_t>(recorrido * 100 / total, 0, 100);
    if (porcentaje == ultimoDibujo_) return;
    ultimoDibujo_ = porcentaje;
    const auto llenas = static_cast<int>(porcentaje * kAnchoBarra / 100);
    salida_ << '\r' << ventana_->GetCaption() << " ["
            << std::string(static_cast<size_t>(llenas), '#')
            << std::string(static_cast<size_t>(kAnchoBarra - llenas), ' ') << "] " << porcentaje
            << "% " << std::flush;
    return;
  }
}

}  // namespace quillora::terminal
