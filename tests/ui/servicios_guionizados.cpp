#include "servicios_guionizados.h"

#include <stdexcept>

#include "ui/formulario.h"
#include "ui/menu.h"

namespace quillora::prueba {

void PrintTo(const ServiciosGuionizados::Mensaje& mensaje, std::ostream* salida) {
  *salida << "«" << mensaje.texto << "» icono " << static_cast<int>(mensaje.icono) << " botones "
          << static_cast<int>(mensaje.botones) << " título «" << mensaje.titulo << "»";
}

ui::Respuesta ServiciosGuionizados::MsgBox(const std::string& texto, ui::Icono icono,
                                           ui::Botones botones, const std::string& titulo) {
  mensajes.push_back({texto, icono, botones, titulo});
  if (!respuestas.empty()) {
    const auto respuesta = respuestas.front();
    respuestas.pop_front();
    return respuesta;
  }
  if (botones == ui::Botones::SiNo) {
    throw std::logic_error("El guion no tiene respuesta para la pregunta «" + texto + "»");
  }
  return ui::Respuesta::Aceptar;
}

void ServiciosGuionizados::MostrarModal(ui::Formulario& formulario) {
  formulario.Load();
  formulario.Activate();
  if (alMostrar && formulario.GetCargado()) alMostrar(formulario);
  if (formulario.GetCargado()) {
    throw std::logic_error("La ventana «" + formulario.GetCaption() + "» sigue abierta");
  }
}

void ServiciosGuionizados::MostrarMenu(ui::Menu& menu, ui::Boton* predeterminado) {
  MenuMostrado mostrado{menu.GetName(), predeterminado ? predeterminado->GetName() : "", {}};
  for (const auto* entrada : menu.Entradas()) {
    if (entrada->GetEnabled() && entrada->GetCaption() != ui::Menu::kSeparador) {
      mostrado.habilitadas.push_back(entrada->GetName());
    }
  }
  menus.push_back(std::move(mostrado));
  if (alMostrarMenu) alMostrarMenu(menu);
}

void ServiciosGuionizados::ProcesarMensajes() {
  ++vecesProcesados;
  if (alProcesarMensajes) alProcesarMensajes(vecesProcesados);
}

}  // namespace quillora::prueba
