// The alternatives of the dictionary's entries from the command line, through the entry editor
// and the alternative editor.
#include <iostream>
#include <map>
#include <set>
#include <stdexcept>

#include "editor/dialogo_bd.h"
#include "editor/frm_entrada.h"
#include "editor/frm_sustituto.h"
#include "editor_terminal.h"
#include "ordenes.h"

namespace quillora::ordenes {

namespace {

// Writes the texts into the alternative editor and presses "Aceptar".
void Rellenar(frmSustituto& editor, const std::optional<std::string>& texto,
              const std::optional<std::string>& contexto) {
  if (texto) {
    ComprobarLargo(*texto, "El texto de la alternativa");
    editor.txtSustituto.Escribir(*texto);
  }
  if (contexto) editor.txtContexto.Escribir(*contexto);
  editor.cmdAceptar.Pulsar();
}

// The entry an alternative belongs to, as the alternative editor reads it; an error when there
// is no such alternative.
std::int32_t EntradaDe(EditorTerminal& terminal, std::int32_t id) {
  frmSustituto editor(terminal.servicios);
  editor.Load();
  editor.SetIdSustituto(id);
  editor.Cargar();
  if (editor.GetIdSustituto() != id) throw std::invalid_argument(NoExiste("alternativa", id));
  return editor.GetIdEntry();
}

}  // namespace

int AlternativasCrear(std::int32_t entrada, const std::string& texto,
                      const std::optional<std::string>& contexto) {
  EditorTerminal terminal;
  frmEntrada editor(terminal.servicios);
  editor.Load();
  editor.SetIdEntry(entrada);
  editor.Cargar();
  if (terminal.HuboAvisos()) return kFallo;
  if (editor.GetIdEntry() != entrada) throw std::invalid_argument(NoExiste("entrada", entrada));
  terminal.Mostrar(editor, [&](ui::Formulario& ventana) {
    if (&ventana == &editor) return editor.mnuSubstitutesAddSubstitute.Pulsar();
    Rellenar(editor.EditorSustituto(), texto, contexto);
  });
  if (terminal.HuboAvisos() || !editor.EditorSustituto().GetBOk()) return kFallo;
  std::cout << editor.EditorSustituto().GetIdSustituto() << '\n';
  return kHecho;
}

int AlternativasModificar(std::int32_t id, const std::optional<std::string>& texto,
                          const std::optional<std::string>& contexto) {
  EditorTerminal terminal;
  frmSustituto editor(terminal.servicios);
  editor.Load();
  editor.SetIdSustituto(id);
  editor.Cargar();
  if (terminal.HuboAvisos()) return kFallo;
  if (editor.GetIdSustituto() != id) throw std::invalid_argument(NoExiste("alternativa", id));
  terminal.Mostrar(editor, [&](ui::Formulario&) { Rellenar(editor, texto, contexto); });
  return editor.GetBOk() && !terminal.HuboAvisos() ? kHecho : kFallo;
}

int AlternativasEliminar(const std::vector<std::int32_t>& ids, bool si) {
  EditorTerminal terminal(si);
  // Every key is checked before anything is deleted; then each entry's alternatives go together.
  std::map<std::int32_t, std::vector<std::int32_t>> porEntrada;
  for (const auto id : std::set<std::int32_t>(ids.begin(), ids.end())) {
    const auto entrada = EntradaDe(terminal, id);
    if (terminal.HuboAvisos()) return kFallo;
    porEntrada[entrada].push_back(id);
  }
  std::size_t eliminadas = 0;
  for (const auto& [entrada, alternativas] : porEntrada) {
    frmEntrada editor(terminal.servicios);
    editor.Load();
    editor.SetIdEntry(entrada);
    editor.Cargar();
    terminal.Mostrar(editor, [&](ui::Formulario&) {
      auto& filas = editor.lvSustitutos.ListItems();
      for (const auto id : alternativas) {
        const auto posicion = editor::BuscarFila(editor.lvSustitutos, id);
        if (!posicion) throw std::invalid_argument(NoExiste("alternativa", id));
        filas[*posicion].Selected = true;
      }
      const auto antes = filas.size();
      editor.mnuSubstitutesDeleteSubstitute.Pulsar();
      eliminadas += antes - editor.lvSustitutos.ListItems().size();
    });
    if (terminal.HuboAvisos()) return kFallo;
  }
  const auto pedidas = std::set<std::int32_t>(ids.begin(), ids.end()).size();
  if (eliminadas != pedidas) {
    Incompleto(eliminadas, pedidas, "alternativas");
    return kFallo;
  }
  std::cout << "Alternativas eliminadas: " << eliminadas << '\n';
  return kHecho;
}

}  // namespace quillora::ordenes
