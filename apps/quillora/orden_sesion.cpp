// One add-in session driven by commands read from standard input, for scripts and tests.
#include <charconv>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "common/error_sistema.h"
#include "common/rtf.h"
#include "documento_en_word.h"
#include "marcas_json.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "ordenes.h"
#include "review/frm_quillora.h"

namespace quillora::ordenes {

namespace {

constexpr int kLineaNoValida = 2;

// A line of the script that cannot be carried out; the session stops with nothing saved.
class LineaNoValida : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::size_t Numero(const std::string& palabra) {
  std::size_t numero = 0;
  const auto [fin, error] =
      std::from_chars(palabra.data(), palabra.data() + palabra.size(), numero);
  if (error != std::errc{} || fin != palabra.data() + palabra.size() || numero == 0) {
    throw LineaNoValida("«" + palabra + "» no es un número de 1 en adelante");
  }
  return numero;
}

std::string Plano(const ui::TextoEnriquecido& caja) {
  return rtf::TextoDeDocumento(caja.GetTextRTF()).value_or("");
}

// What the review dialog shows, as one JSON object.
nlohmann::json Contenido(const frmQuillora& dialogo) {
  auto alternativas = nlohmann::json::array();
  for (const auto& fila : dialogo.lvSugerencias.ListItems()) {
    alternativas.push_back(
        {{"sugerencia", fila.Text}, {"contexto", fila.SubItems.empty() ? "" : fila.SubItems[0]}});
  }
  return {{"termino", Plano(dialogo.rtbTermino)},
          {"morfologia", Plano(dialogo.rtfMorfologia)},
          {"sexismo", Plano(dialogo.rtfSexismo)},
          {"informacion", Plano(dialogo.RTBEtimologia)},
          {"alternativas", alternativas},
          {"rtf",
           {{"termino", dialogo.rtbTermino.GetTextRTF()},
            {"morfologia", dialogo.rtfMorfologia.GetTextRTF()},
            {"sexismo", dialogo.rtfSexismo.GetTextRTF()},
            {"informacion", dialogo.RTBEtimologia.GetTextRTF()}}}};
}

// The session's state and its commands.
class SesionGuiada {
 public:
  SesionGuiada(const std::filesystem::path& entrada, std::filesystem::path salida)
      : word_(entrada, salida), salida_(std::move(salida)) {
    word_.sesion.Abrir(word_.Documento());
    word_.escritorio.servicios.alMostrar = [this](ui::Formulario& ventana) {
      auto* dialogo = dynamic_cast<frmQuillora*>(&ventana);
      if (dialogo != nullptr && accion_) accion_(*dialogo);
    };
  }

  void Ejecutar(const std::vector<std::string>& palabras) {
    const auto& orden = palabras[0];
    const auto argumentos = palabras.size() - 1;
    if (orden == "procesar" && argumentos == 0) {
      word_.sesion.Pulsar(BotonQuillora::Procesar);
    } else if (orden == "mostrar" && argumentos == 0) {
      if (!word_.sesion.Pulsar(BotonQuillora::Mostrar)) {
        std::cerr << "Quillora: un documento .docx abierto aquí no tiene vistas por revisor; no "
                     "hay nada que mostrar\n";
      }
    } else if (orden == "ocultar" && argumentos == 0) {
      word_.sesion.Pulsar(BotonQuillora::Ocultar);
    } else if (orden == "recargar" && argumentos == 0) {
      word_.sesion.Pulsar(BotonQuillora::Gestion);
    } else if (orden == "marcas" && argumentos == 0) {
      std::cout << Escribir(MarcasJson(*word_.Documento()), 2) << std::endl;
    } else if (orden == "guardar" && argumentos <= 1) {
      word_.Guardar(argumentos == 1 ? std::filesystem::path(palabras[1]) : salida_);
    } else if (orden == "revisar" && argumentos >= 1) {
      Revisar(palabras);
    } else {
      throw LineaNoValida("orden desconocida o con argumentos de más o de menos");
    }
  }

  // Saves where the session was told; whether the add-in said something along the way.
  bool Terminar() {
    word_.Guardar(salida_);
    word_.sesion.Cerrar(word_.Documento());
    return word_.HuboMensajes();
  }

 private:
  void Revisar(const std::vector<std::string>& palabras) {
    const auto n = Numero(palabras[1]);
    const auto accion = palabras.size() > 2 ? palabras[2] : std::string();
    const bool conFila = accion == "cambiar" || accion == "cambiar-todas";
    if (palabras.size() != (conFila          ? 4u
                            : accion.empty() ? 2u
                                             : 3u) ||
        (!conFila && !accion.empty() && accion != "omitir" && accion != "omitir-todas" &&
         accion != "cerrar")) {
      throw LineaNoValida(
          "«revisar N» va seguido de nada, «cambiar K», «cambiar-todas K», "
          "«omitir», «omitir-todas» o «cerrar»");
    }
    const auto fila = conFila ? Numero(palabras[3]) : 0;
    const auto marcas = MarcasDe(*word_.Documento());
    if (n > marcas.size()) {
      throw LineaNoValida("el documento tiene " + std::to_string(marcas.size()) + " marcas");
    }
    accion_ = [&](frmQuillora& dialogo) {
      auto& filas = dialogo.lvSugerencias.ListItems();
      if (accion.empty()) {
        std::cout << Escribir(Contenido(dialogo), -1) << std::endl;
        dialogo.cmdCerrar.Pulsar();
      } else if (conFila) {
        if (fila > filas.size()) {
          dialogo.cmdCerrar.Pulsar();
          throw LineaNoValida("la marca tiene " + std::to_string(filas.size()) + " alternativas");
        }
        filas[fila - 1].Selected = true;
        (accion == "cambiar" ? dialogo.cmdCambiar : dialogo.cmdCambiarTodas).Pulsar();
      } else if (accion == "omitir") {
        dialogo.cmdOmitir.Pulsar();
      } else if (accion == "omitir-todas") {
        dialogo.cmdOmitirTodas.Pulsar();
      } else {
        dialogo.cmdCerrar.Pulsar();
      }
    };
    const auto& marca = marcas[n - 1];
    const bool abierta =
        word_.sesion.RevisarEn(word_.Documento(), marca->Scope().start, marca->Scope().end);
    accion_ = nullptr;
    if (!abierta) throw LineaNoValida("el menú contextual no ofrece revisar la marca");
  }

  DocumentoEnWord word_;
  std::filesystem::path salida_;
  std::function<void(frmQuillora&)> accion_;
};

}  // namespace

int Sesion(const std::filesystem::path& entrada, const std::filesystem::path& salida) {
  SesionGuiada sesion(entrada, salida);
  std::string linea;
  for (int numero = 1; std::getline(std::cin, linea); ++numero) {
    std::istringstream lectura(linea);
    std::vector<std::string> palabras;
    for (std::string palabra; lectura >> palabra;) palabras.push_back(palabra);
    if (palabras.empty() || palabras[0].starts_with('#')) continue;
    try {
      sesion.Ejecutar(palabras);
    } catch (const LineaNoValida& error) {
      std::cerr << "quillora: línea " << numero << " («" << linea
                << "»): " << comun::MensajeEspanol(error) << "; no se ha guardado nada\n";
      return kLineaNoValida;
    }
  }
  return sesion.Terminar() ? kFallo : kHecho;
}

}  // namespace quillora::ordenes
