// The buttons that open something on the desktop: a suggestion mail and the help.
#include <iostream>

#include "common/leer_registro.h"
#include "common/ruta.h"
#include "escritorio_terminal.h"
#include "ordenes.h"
#include "sesion_word.h"

namespace quillora::ordenes {

namespace {

// Word with the add-in and no document, the button pressed; failed when the add-in said so or
// the shell could not open what it was given.
int PulsarSinDocumento(BotonQuillora boton) {
  EscritorioTerminal escritorio;
  PrepararOrigen();
  SesionWord sesion(escritorio.servicios, escritorio.Entorno());
  sesion.Iniciar();
  const auto mensajes = escritorio.servicios.GetMensajesMostrados();
  sesion.Pulsar(boton);
  for (const auto& enlace : escritorio.shell.noAbiertos) {
    std::cerr << "quillora: xdg-open no ha podido abrir «" << enlace
              << "» (¿está instalado el paquete xdg-utils?)\n";
  }
  if (boton == BotonQuillora::Ayuda && !escritorio.shell.noAbiertos.empty()) {
    const auto carpeta = comun::LeerRegistro(escritorio.registro, "Path");
    std::cerr << "La ayuda también está en HTML: "
              << comun::RutaEnCarpeta(comun::RutaEnCarpeta(carpeta, "ayuda"), "index.html") << '\n';
  }
  const bool fallo = escritorio.servicios.GetMensajesMostrados() > mensajes ||
                     !escritorio.shell.noAbiertos.empty();
  return fallo ? kFallo : kHecho;
}

}  // namespace

int Sugerencia() { return PulsarSinDocumento(BotonQuillora::Nota); }

int Ayuda() { return PulsarSinDocumento(BotonQuillora::Ayuda); }

}  // namespace quillora::ordenes
