// Reviewing every mark in the terminal, as a writer does in Word with the context entry.
#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <set>

#include "dictionary/entradas.h"
#include "dictionary/gestion_bd.h"
#include "documento_en_word.h"
#include "estilo_terminal.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "ordenes.h"
#include "review/frm_quillora.h"
#include "revision_terminal.h"

namespace quillora::ordenes {

int Revisar(const std::filesystem::path& entrada, const std::filesystem::path& salida) {
  DocumentoEnWord word(entrada, salida);
  if (word.HuboMensajes()) {
    std::cerr << "quillora: sin diccionario no se pueden revisar las marcas\n";
    return kFallo;
  }
  const auto documento = word.Documento();
  word.sesion.Abrir(documento);
  terminal::RevisionTerminal revision(std::cin, std::cout, terminal::ColoresEn(STDOUT_FILENO));
  word.escritorio.servicios.alMostrar = [&revision](ui::Formulario& ventana) {
    if (auto* dialogo = dynamic_cast<frmQuillora*>(&ventana)) revision.Atender(*dialogo);
  };

  // A mark closed with "Cerrar" stays, and is not shown again in this run.
  std::set<std::shared_ptr<memory::CommentData>> dejadas;
  int revisadas = 0;
  while (!revision.GetTerminar()) {
    const auto marcas = MarcasDe(*documento);
    const auto siguiente = std::ranges::find_if(
        marcas, [&dejadas](const auto& marca) { return !dejadas.contains(marca); });
    if (siguiente == marcas.end()) break;
    const auto marca = *siguiente;
    revision.SetPosicion(static_cast<int>(siguiente - marcas.begin()) + 1,
                         static_cast<int>(marcas.size()));
    word.sesion.RevisarEn(documento, marca->Scope().start, marca->Scope().end);
    ++revisadas;
    if (!marca->Deleted()) dejadas.insert(marca);
  }
  word.Guardar(salida);
  std::cerr << "Quillora: " << revisadas
            << (revisadas == 1 ? " marca revisada" : " marcas revisadas") << ", quedan "
            << MarcasDe(*documento).size() << "; guardado en " << salida.string() << '\n';
  word.sesion.Cerrar(documento);
  return kHecho;
}

}  // namespace quillora::ordenes
