#include "revision_terminal.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <string>

#include "common/rtf.h"
#include "estilo_terminal.h"
#include "review/frm_quillora.h"

namespace quillora::terminal {

namespace {

constexpr const char* kTeclas =
    "número: Cambiar · t número: Cambiar todas · o: Omitir · d: Omitir todas · m: Más/Menos · "
    "c o Intro: Cerrar · q: Terminar";

// The caption of a control without the letter mark of its access key.
std::string SinAcceso(std::string caption) {
  std::erase(caption, '&');
  return caption;
}

std::string Recortada(std::string respuesta) {
  const auto inicio = respuesta.find_first_not_of(" \t\r");
  const auto fin = respuesta.find_last_not_of(" \t\r");
  return inicio == std::string::npos ? "" : respuesta.substr(inicio, fin - inicio + 1);
}

// The 1-based row the text names; 0 when it names none.
std::size_t Fila(std::string_view texto) {
  std::size_t fila = 0;
  const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), fila);
  return error == std::errc{} && fin == texto.data() + texto.size() ? fila : 0;
}

}  // namespace

RevisionTerminal::RevisionTerminal(std::istream& entrada, std::ostream& salida, bool colores)
    : entrada_(entrada), salida_(salida), colores_(colores) {}

void RevisionTerminal::SetPosicion(int numero, int total) {
  numero_ = numero;
  total_ = total;
}

void RevisionTerminal::Dibujar(const frmQuillora& dialogo) {
  const auto caja = [this](const auto& rico) {
    auto tramos = rtf::LeerDocumento(rico.GetTextRTF()).value_or(std::vector<rtf::Tramo>{});
    // Without colours the highlighted term still stands out.
    for (auto& tramo : tramos) {
      if (!colores_ && tramo.color) tramo.texto = "«" + tramo.texto + "»";
    }
    auto texto = ConEstilo(tramos, colores_);
    while (!texto.empty() && texto.back() == '\n') texto.pop_back();
    return texto;
  };
  salida_ << "\n── " << dialogo.GetCaption() << " · marca " << numero_ << " de " << total_
          << " ──\n"
          << dialogo.Label1.GetCaption() << ":\n  " << caja(dialogo.rtbTermino) << '\n'
          << dialogo.Label5.GetCaption() << ": " << caja(dialogo.rtfMorfologia) << '\n'
          << dialogo.Label4.GetCaption() << ": " << caja(dialogo.rtfSexismo) << '\n';
  if (dialogo.GetHeight() == frmQuillora::kAltoAmpliado) {
    salida_ << dialogo.Label2.GetCaption() << ":\n" << caja(dialogo.RTBEtimologia) << '\n';
  }
  salida_ << dialogo.Label3.GetCaption() << ":\n";
  const auto& filas = dialogo.lvSugerencias.ListItems();
  if (filas.empty()) salida_ << "  (ninguna)\n";
  for (std::size_t i = 0; i < filas.size(); ++i) {
    salida_ << "  " << i + 1 << ". " << filas[i].Text;
    if (!filas[i].SubItems.empty() && !filas[i].SubItems[0].empty()) {
      salida_ << " — " << filas[i].SubItems[0];
    }
    salida_ << '\n';
  }
  salida_ << kTeclas << " (" << SinAcceso(dialogo.cmdMas.GetCaption()) << ")\n";
}

bool RevisionTerminal::Responder(frmQuillora& dialogo, const std::string& respuesta) {
  auto& filas = dialogo.lvSugerencias.ListItems();
  const auto elegir = [&filas](std::size_t fila) {
    if (fila == 0 || fila > filas.size()) return false;
    for (auto& otra : filas) otra.Selected = false;
    filas[fila - 1].Selected = true;
    return true;
  };
  if (respuesta.empty() || respuesta == "c") {
    dialogo.cmdCerrar.Pulsar();
  } else if (respuesta == "q") {
    terminar_ = true;
    dialogo.cmdCerrar.Pulsar();
  } else if (respuesta == "o") {
    dialogo.cmdOmitir.Pulsar();
  } else if (respuesta == "d") {
    dialogo.cmdOmitirTodas.Pulsar();
  } else if (respuesta == "m") {
    dialogo.cmdMas.Pulsar();
    Dibujar(dialogo);
  } else if (respuesta.starts_with("t ") && elegir(Fila(Recortada(respuesta.substr(2))))) {
    dialogo.cmdCambiarTodas.Pulsar();
  } else if (elegir(Fila(respuesta))) {
    dialogo.cmdCambiar.Pulsar();
  } else {
    return false;
  }
  return true;
}

void RevisionTerminal::Atender(frmQuillora& dialogo) {
  Dibujar(dialogo);
  while (dialogo.GetCargado()) {
    salida_ << "> " << std::flush;
    std::string respuesta;
    if (!std::getline(entrada_, respuesta)) {
      terminar_ = true;
      dialogo.cmdCerrar.Pulsar();
      break;
    }
    if (!Responder(dialogo, Recortada(respuesta))) {
      salida_ << "No se entiende «" << Recortada(respuesta) << "». " << kTeclas << '\n';
    }
  }
}

}  // namespace quillora::terminal
