// The subcommands that work on a .docx: the add-in's buttons pressed over it, and its marks.
#include <iostream>

#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "documento_en_word.h"
#include "interrupcion.h"
#include "marcas_json.h"
#include "memory_document.h"
#include "ordenes.h"

namespace quillora::ordenes {

namespace {

namespace fs = std::filesystem;

std::string TextoMarcas(std::size_t cuantas) {
  return std::to_string(cuantas) + (cuantas == 1 ? " marca" : " marcas");
}

}  // namespace

int Procesar(const fs::path& entrada, const fs::path& salida, bool marcarTodo) {
  DocumentoEnWord word(entrada, salida);
  if (marcarTodo) word.escritorio.registro.Fijar("MarcarDesdobles", 1);
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
  const auto documento = word.Documento();
  word.sesion.Abrir(documento);
  terminal::Interrupcion::Instalar();
  word.sesion.Pulsar(BotonQuillora::Procesar);
  if (word.HuboMensajes()) {
    std::cerr << "quillora: el proceso no ha terminado bien; " << salida.string()
              << " no ha cambiado\n";
    return kFallo;
  }
  word.Guardar(salida);
  std::cerr << "Quillora: " << TextoMarcas(MarcasDe(*documento).size()) << "; guardado en "
            << salida.string()
            << (word.escritorio.servicios.GetInterrumpido() ? " (proceso cancelado)" : "") << '\n';
  if (const auto sinMarcar = word.docx.NoAnclados(); sinMarcar > 0) {
    std::cerr << "Quillora: " << sinMarcar
              << (sinMarcar == 1 ? " término sin marcar" : " términos sin marcar")
              << " dentro de controles de contenido\n";
  }
  word.sesion.Cerrar(documento);
  return kHecho;
}

int Ocultar(const fs::path& entrada, const fs::path& salida) {
  DocumentoEnWord word(entrada, salida);
  const auto mensajes = word.escritorio.servicios.GetMensajesMostrados();
  const auto documento = word.Documento();
  word.sesion.Abrir(documento);
  const auto antes = MarcasDe(*documento).size();
  word.sesion.Pulsar(BotonQuillora::Ocultar);
  if (word.HuboMensajes(mensajes)) return kFallo;
  word.Guardar(salida);
  std::cerr << "Quillora: se han eliminado " << TextoMarcas(antes - MarcasDe(*documento).size())
            << "; guardado en " << salida.string() << '\n';
  word.sesion.Cerrar(documento);
  return kHecho;
}

int Mostrar(const fs::path& entrada) {
  DocumentoEnWord word(entrada);
  const auto mensajes = word.escritorio.servicios.GetMensajesMostrados();
  const auto documento = word.Documento();
  word.sesion.Abrir(documento);
  if (!word.sesion.Pulsar(BotonQuillora::Mostrar)) {
    std::cerr << "Quillora: un documento .docx abierto aquí no tiene vistas por revisor; sus "
              << TextoMarcas(MarcasDe(*documento).size())
              << " están siempre a la vista y no hay nada que mostrar\n";
  }
  word.sesion.Cerrar(documento);
  return word.HuboMensajes(mensajes) ? kFallo : kHecho;
}

int Marcas(const fs::path& entrada, bool json) {
  const auto docx = docx::DocumentoDocx::Abrir(entrada);
  const auto lista = MarcasJson(*docx.Documento());
  if (json) {
    std::cout << Escribir(lista, 2) << '\n';
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
