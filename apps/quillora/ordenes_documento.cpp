// The subcommands that work on a .docx: the add-in's buttons pressed over it, and its marks.
#include <iostream>
#include <nlohmann/json.hpp>

#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "documento_docx.h"
#include "escritorio_terminal.h"
#include "interrupcion.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "ordenes.h"
#include "scan/frm_procesar.h"
#include "sesion_word.h"
#include "word/range.h"

namespace quillora::ordenes {

namespace {

namespace fs = std::filesystem;

constexpr std::int32_t kProcesar = 1;
constexpr std::int32_t kMostrar = 2;
constexpr std::int32_t kOcultar = 3;

std::size_t ContarMarcas(const memory::MemoryDocument& documento) {
  std::size_t marcas = 0;
  for (const auto& comentario : documento.CommentList()) {
    marcas += comentario->initials == kIniciales ? 1 : 0;
  }
  return marcas;
}

std::string TextoMarcas(std::size_t cuantas) {
  return std::to_string(cuantas) + (cuantas == 1 ? " marca" : " marcas");
}

// A document opened in Word with the add-in loaded, as the buttons find it.
struct DocumentoEnWord {
  explicit DocumentoEnWord(const fs::path& entrada)
      : docx(docx::DocumentoDocx::Abrir(entrada)),
        sesion(escritorio.servicios, escritorio.Entorno()) {
    PrepararOrigen();
    sesion.Iniciar();
  }
  // Whether the add-in said something: every message these buttons show reports a failure.
  bool HuboMensajes() const { return escritorio.servicios.GetMensajesMostrados() > 0; }

  docx::DocumentoDocx docx;
  EscritorioTerminal escritorio;
  SesionWord sesion;
};

// The lines of a comment's text.
std::vector<std::string> Lineas(const std::string& texto) {
  std::vector<std::string> lineas;
  std::size_t inicio = 0;
  while (inicio < texto.size()) {
    auto fin = texto.find_first_of("\r\n", inicio);
    if (fin == std::string::npos) fin = texto.size();
    lineas.push_back(texto.substr(inicio, fin - inicio));
    if (texto.compare(fin, 2, "\r\n") == 0) ++fin;
    inicio = fin + 1;
  }
  return lineas;
}

}  // namespace

int Procesar(const fs::path& entrada, const fs::path& salida) {
  DocumentoEnWord word(entrada);
  // Without its dictionary the run would only delete the earlier marks.
  if (word.HuboMensajes()) {
    std::cerr << "quillora: sin diccionario no se ha marcado nada; " << salida.string()
              << " no ha cambiado\n";
    return kFallo;
  }
  if (word.sesion.Complemento().GetGestion()->GetEntradas()->Count() == 0) {
    std::cerr << "quillora: el diccionario está vacío; no se ha marcado nada\n";
    return kFallo;
  }
  const auto documento = word.docx.Documento();
  word.sesion.Abrir(documento);
  terminal::Interrupcion::Instalar();
  word.sesion.Pulsar(kProcesar);
  if (word.HuboMensajes()) {
    std::cerr << "quillora: el proceso no ha terminado bien; " << salida.string()
              << " no ha cambiado\n";
    return kFallo;
  }
  word.docx.Guardar(salida);
  std::cerr << "Quillora: " << TextoMarcas(ContarMarcas(*documento)) << "; guardado en "
            << salida.string()
            << (word.escritorio.servicios.GetInterrumpido() ? " (proceso cancelado)" : "") << '\n';
  word.sesion.Cerrar(documento);
  return kHecho;
}

int Ocultar(const fs::path& entrada, const fs::path& salida) {
  DocumentoEnWord word(entrada);
  const auto mensajes = word.escritorio.servicios.GetMensajesMostrados();
  const auto documento = word.docx.Documento();
  word.sesion.Abrir(documento);
  const auto antes = ContarMarcas(*documento);
  word.sesion.Pulsar(kOcultar);
  if (word.escritorio.servicios.GetMensajesMostrados() > mensajes) return kFallo;
  word.docx.Guardar(salida);
  std::cerr << "Quillora: se han eliminado " << TextoMarcas(antes - ContarMarcas(*documento))
            << "; guardado en " << salida.string() << '\n';
  word.sesion.Cerrar(documento);
  return kHecho;
}

int Mostrar(const fs::path& entrada) {
  DocumentoEnWord word(entrada);
  const auto mensajes = word.escritorio.servicios.GetMensajesMostrados();
  const auto documento = word.docx.Documento();
  word.sesion.Abrir(documento);
  if (!word.sesion.Pulsar(kMostrar)) {
    std::cerr << "Quillora: un documento .docx abierto aquí no tiene vistas por revisor; sus "
              << TextoMarcas(ContarMarcas(*documento))
              << " están siempre a la vista y no hay nada que mostrar\n";
  }
  word.sesion.Cerrar(documento);
  return word.escritorio.servicios.GetMensajesMostrados() > mensajes ? kFallo : kHecho;
}

int Marcas(const fs::path& entrada, bool json) {
  const auto docx = docx::DocumentoDocx::Abrir(entrada);
  const auto& documento = *docx.Documento();
  auto lista = nlohmann::json::array();
  for (const auto& comentario : documento.CommentList()) {
    if (comentario->initials != kIniciales) continue;
    const auto& alcance = comentario->Scope();
    lista.push_back({{"inicio", alcance.start},
                     {"fin", alcance.end},
                     {"texto", documento.Range(alcance.start, alcance.end)->GetText()},
                     {"alternativas", Lineas(comentario->Text())},
                     {"autor", comentario->author},
                     {"iniciales", comentario->initials}});
  }
  if (json) {
    std::cout << lista.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    return kHecho;
  }
  int numero = 0;
  for (const auto& marca : lista) {
    std::cout << ++numero << ". «" << marca["texto"].get<std::string>() << "» ("
              << marca["inicio"].get<int>() << "–" << marca["fin"].get<int>() << "):";
    const char* separador = " ";
    for (const auto& alternativa : marca["alternativas"]) {
      std::cout << separador << alternativa.get<std::string>();
      separador = " | ";
    }
    std::cout << '\n';
  }
  std::cerr << "Quillora: " << TextoMarcas(lista.size()) << " en " << entrada.string() << '\n';
  return kHecho;
}

}  // namespace quillora::ordenes
