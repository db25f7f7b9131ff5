#include "editor_terminal.h"

#include <unistd.h>

#include <iostream>
#include <stdexcept>

#include "common/texto_unicode.h"
#include "dictionary/clave_texto.h"
#include "editor/frm_entrada.h"
#include "editor/frm_entradas.h"
#include "editor/frm_sustituto.h"
#include "escritorio_terminal.h"
#include "ui/combo_imagen.h"

namespace quillora {

namespace {

constexpr std::size_t kLargoMaximo = 250;

// Closes an editor window as its user would without saving.
void Cerrar(ui::Formulario& ventana) {
  if (auto* navegador = dynamic_cast<frmEntradas*>(&ventana)) navegador->mnuFileExit.Pulsar();
  if (auto* entrada = dynamic_cast<frmEntrada*>(&ventana)) entrada->cmdCancelar.Pulsar();
  if (auto* sustituto = dynamic_cast<frmSustituto*>(&ventana)) sustituto->cmdCancelar.Pulsar();
}

}  // namespace

EditorTerminal::EditorTerminal(bool siATodo)
    : servicios(std::cerr, false, isatty(STDIN_FILENO) == 1 ? &std::cin : nullptr) {
  if (siATodo) servicios.ResponderSiempre(ui::Respuesta::Si);
  PrepararOrigen();
}

void EditorTerminal::Mostrar(ui::Formulario& ventana,
                             const std::function<void(ui::Formulario&)>& accion) {
  std::exception_ptr error;
  servicios.alMostrar = [&](ui::Formulario& mostrada) {
    try {
      if (!HuboAvisos() && !error) accion(mostrada);
    } catch (...) {
      error = std::current_exception();
    }
    if (mostrada.GetCargado()) Cerrar(mostrada);
  };
  ventana.Load();
  servicios.MostrarModal(ventana);
  servicios.alMostrar = nullptr;
  if (error) std::rethrow_exception(error);
}

void ElegirClase(ui::ComboImagen& combo, const std::string& nombre, const std::string& que) {
  const auto& elementos = combo.ComboItems();
  std::string validas;
  for (std::size_t i = 0; i < elementos.size(); ++i) {
    if (ClaveTexto(elementos[i].Text) == ClaveTexto(nombre)) return combo.SetSelectedItem(i);
    validas += (validas.empty() ? "«" : ", «") + elementos[i].Text + "»";
  }
  throw std::invalid_argument("no hay ninguna " + que + " «" + nombre +
                              "»; las que hay son: " + validas);
}

void ComprobarLargo(const std::string& texto, const std::string& que) {
  if (texto::CodePoints(texto).size() > kLargoMaximo) {
    throw std::invalid_argument(que + " no puede tener más de " + std::to_string(kLargoMaximo) +
                                " caracteres");
  }
}

std::string NoExiste(const std::string& que, std::int32_t id) {
  return "no existe ninguna " + que + " con el número " + std::to_string(id);
}

void Incompleto(std::size_t eliminadas, std::size_t pedidas, const std::string& que) {
  std::cerr << "quillora: ";
  if (eliminadas == 0) {
    std::cerr << "no se ha eliminado nada\n";
  } else {
    std::cerr << "solo se han eliminado " << eliminadas << " de las " << pedidas << ' ' << que
              << '\n';
  }
}

}  // namespace quillora
