// The dictionary's entries from the command line, through the browser and the entry editor.
#include <iostream>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>

#include "common/texto_unicode.h"
#include "editor/dialogo_bd.h"
#include "editor/frm_entrada.h"
#include "editor/frm_entradas.h"
#include "editor_terminal.h"
#include "ordenes.h"
#include "portapapeles_sistema.h"

namespace quillora::ordenes {

namespace {

// A class combo's text as output: none for "<Ninguno>".
nlohmann::json ClaseJson(const ui::ComboImagen& combo) {
  const auto texto = combo.GetText();
  return texto.empty() || texto == editor::kNinguno ? nlohmann::json() : nlohmann::json(texto);
}

// Fills the entry editor's controls with what the command gives.
void Rellenar(frmEntrada& editor, const DatosEntrada& datos) {
  if (datos.texto) {
    ComprobarLargo(*datos.texto, "El texto de la entrada");
    editor.txtEntrada.Escribir(*datos.texto);
  }
  if (datos.morfologia) {
    ElegirClase(editor.imcMorfologia, *datos.morfologia, "clasificación morfológica");
  }
  if (datos.sexismo) ElegirClase(editor.imcSexismo, *datos.sexismo, "clasificación sexista");
  if (datos.comentario) editor.RTBEtimologia.Escribir(*datos.comentario);
}

// The entry editor loaded with the entry, as the browser prepares it; an error when there is
// none.
void CargarEntrada(frmEntrada& editor, std::int32_t id) {
  editor.Load();
  editor.SetIdEntry(id);
  editor.Cargar();
  if (editor.GetIdEntry() != id) throw std::invalid_argument(NoExiste("entrada", id));
}

// Saves through the editor's "Aceptar"; answers the exit status.
int Guardar(EditorTerminal& terminal, frmEntrada& editor, const DatosEntrada& datos) {
  terminal.Mostrar(editor, [&](ui::Formulario&) {
    Rellenar(editor, datos);
    editor.cmdAceptar.Pulsar();
  });
  return editor.GetBOk() ? kHecho : kFallo;
}

}  // namespace

int EntradasBuscar(const FiltroEntradas& filtro, bool json) {
  EditorTerminal terminal;
  frmEntradas navegador(terminal.servicios);
  terminal.Mostrar(navegador, [&](ui::Formulario&) {
    navegador.txtEntrada.Escribir(filtro.texto);
    if (filtro.morfologia) {
      ElegirClase(navegador.imcMorfologia, *filtro.morfologia, "clasificación morfológica");
    }
    if (filtro.sexismo) ElegirClase(navegador.imcSexismo, *filtro.sexismo, "clasificación sexista");
    navegador.mnuSearchSearch.Pulsar();
  });
  if (terminal.HuboAvisos()) return kFallo;

  const auto& filas = navegador.lvBusqueda.ListItems();
  if (json) {
    auto entradas = nlohmann::json::array();
    for (const auto& fila : filas) {
      entradas.push_back({{"id", std::stoi(fila.Tag)},
                          {"entrada", fila.Text},
                          {"morfologia", fila.SubItems.at(0)},
                          {"sexismo", fila.SubItems.at(1)}});
    }
    std::cout << nlohmann::json{{"elementos", filas.size()}, {"entradas", entradas}}.dump(2)
              << '\n';
    return kHecho;
  }
  for (const auto& fila : filas) {
    std::cout << fila.Tag << '\t' << fila.Text << '\t' << fila.SubItems.at(0) << '\t'
              << fila.SubItems.at(1) << '\n';
  }
  std::cout << navegador.lbNumeroBusqueda.GetCaption() << '\n';
  return kHecho;
}

int EntradasVer(std::int32_t id, bool json) {
  EditorTerminal terminal;
  frmEntrada editor(terminal.servicios);
  CargarEntrada(editor, id);
  if (terminal.HuboAvisos()) return kFallo;
  const auto& filas = editor.lvSustitutos.ListItems();
  if (json) {
    auto alternativas = nlohmann::json::array();
    for (const auto& fila : filas) {
      alternativas.push_back({{"id", std::stoi(fila.Tag)},
                              {"alternativa", fila.Text},
                              {"contexto", fila.SubItems.at(0)}});
    }
    std::cout << nlohmann::json{{"id", id},
                                {"entrada", editor.txtEntrada.GetText()},
                                {"morfologia", ClaseJson(editor.imcMorfologia)},
                                {"sexismo", ClaseJson(editor.imcSexismo)},
                                {"comentario", editor.RTBEtimologia.GetText()},
                                {"comentario_rtf", editor.RTBEtimologia.GetTextRTF()},
                                {"alternativas", alternativas}}
                     .dump(2)
              << '\n';
    return kHecho;
  }
  std::cout << editor.Label1.GetCaption() << ": " << editor.txtEntrada.GetText() << '\n'
            << editor.Label2.GetCaption() << ": " << editor.imcMorfologia.GetText() << '\n'
            << editor.Label3.GetCaption() << ": " << editor.imcSexismo.GetText() << '\n'
            << editor.Frame1.GetCaption() << ":";
  // Each line of the comment indented under its heading.
  std::string comentario;
  for (const char c : editor.RTBEtimologia.GetText()) {
    if (c == '\r') continue;
    comentario += c;
    if (c == '\n') comentario += "  ";
  }
  std::cout << (comentario.empty() ? "" : "\n  ") << comentario << '\n'
            << editor.frmSustitutos.GetCaption() << ":\n";
  for (const auto& fila : filas) {
    std::cout << "  " << fila.Tag << '\t' << fila.Text;
    if (!fila.SubItems.at(0).empty()) std::cout << '\t' << fila.SubItems.at(0);
    std::cout << '\n';
  }
  return kHecho;
}

int EntradasCrear(const DatosEntrada& datos) {
  EditorTerminal terminal;
  frmEntrada editor(terminal.servicios);
  editor.Load();
  editor.Cargar();
  if (terminal.HuboAvisos()) return kFallo;
  const auto estado = Guardar(terminal, editor, datos);
  if (estado == kHecho) std::cout << editor.GetIdEntry() << '\n';
  return estado;
}

int EntradasModificar(std::int32_t id, const DatosEntrada& datos) {
  EditorTerminal terminal;
  frmEntrada editor(terminal.servicios);
  CargarEntrada(editor, id);
  if (terminal.HuboAvisos()) return kFallo;
  return Guardar(terminal, editor, datos);
}

int EntradasEliminar(const std::vector<std::int32_t>& ids, bool si) {
  EditorTerminal terminal(si);
  frmEntradas navegador(terminal.servicios);
  std::size_t antes = 0;
  std::size_t despues = 0;
  terminal.Mostrar(navegador, [&](ui::Formulario&) {
    auto& filas = navegador.lvEntradas.ListItems();
    for (const auto id : ids) {
      const auto posicion = editor::BuscarFila(navegador.lvEntradas, id);
      if (!posicion) throw std::invalid_argument(NoExiste("entrada", id));
      filas[*posicion].Selected = true;
    }
    antes = filas.size();
    navegador.mnuFileDeleteEntry.Pulsar();
    despues = navegador.lvEntradas.ListItems().size();
  });
  if (terminal.HuboAvisos()) return kFallo;
  const auto pedidas = std::set<std::int32_t>(ids.begin(), ids.end()).size();
  if (antes - despues != pedidas) {
    Incompleto(antes - despues, pedidas, "entradas");
    return kFallo;
  }
  std::cout << "Entradas eliminadas: " << antes - despues << '\n';
  return kHecho;
}

int EntradasCopiar(std::int32_t id) {
  EditorTerminal terminal;
  frmEntrada editor(terminal.servicios);
  CargarEntrada(editor, id);
  if (terminal.HuboAvisos()) return kFallo;
  editor.cmdCopiar.Pulsar();
  const auto texto = terminal.servicios.GetPortapapeles();
  posix::PortapapelesSistema().Copiar(texto);
  std::string lineas;
  for (const char c : texto) {
    if (c != '\r') lineas += c;
  }
  std::cout << lineas << '\n';
  return kHecho;
}

int Clases(bool json) {
  EditorTerminal terminal;
  frmEntrada editor(terminal.servicios);
  editor.Load();
  if (terminal.HuboAvisos()) return kFallo;
  const auto lista = [](const ui::ComboImagen& combo) {
    auto clases = nlohmann::json::array();
    for (const auto& elemento : combo.ComboItems()) {
      if (elemento.Tag.empty()) continue;  // "<Ninguno>"
      clases.push_back({{"id", std::stoi(elemento.Tag)}, {"nombre", elemento.Text}});
    }
    return clases;
  };
  const auto morfologias = lista(editor.imcMorfologia);
  const auto sexismos = lista(editor.imcSexismo);
  if (json) {
    std::cout << nlohmann::json{{"morfologia", morfologias}, {"sexismo", sexismos}}.dump(2) << '\n';
    return kHecho;
  }
  for (const auto& [titulo, clases] : {std::pair{editor.Label2.GetCaption(), morfologias},
                                       std::pair{editor.Label3.GetCaption(), sexismos}}) {
    std::cout << titulo << ":\n";
    for (const auto& clase : clases) {
      std::cout << "  " << clase["id"].get<int>() << '\t' << clase["nombre"].get<std::string>()
                << '\n';
    }
  }
  return kHecho;
}

}  // namespace quillora::ordenes
