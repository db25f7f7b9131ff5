#include "servicios_terminal.h"

#include <algorithm>
#include <ostream>
#include <stdexcept>

#include "interrupcion.h"
#include "ui/barra_progreso.h"
#include "ui/formulario.h"

namespace quillora::terminal {

namespace {

constexpr int kAnchoBarra = 30;
constexpr int kPeticionesDeCierre = 100;

}  // namespace

ServiciosTerminal::ServiciosTerminal(std::ostream& salida, bool dibujarProgreso)
    : salida_(salida), dibujarProgreso_(dibujarProgreso) {}

ui::Respuesta ServiciosTerminal::MsgBox(const std::string& texto, ui::Icono icono,
                                        ui::Botones botones, const std::string& titulo) {
  const char* tipo = icono == ui::Icono::Critico       ? "error"
                     : icono == ui::Icono::Exclamacion ? "aviso"
                                                       : "mensaje";
  if (ultimoDibujo_ >= 0) salida_ << '\n';  // below the progress bar
  ultimoDibujo_ = -1;
  salida_ << titulo << " (" << tipo << "): " << texto << '\n';
  return botones == ui::Botones::SiNo ? ui::Respuesta::No : ui::Respuesta::Aceptar;
}

void ServiciosTerminal::MostrarModal(ui::Formulario& formulario) {
  ui::Formulario* anterior = ventana_;
  ventana_ = &formulario;
  formulario.Load();
  formulario.Activate();
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
