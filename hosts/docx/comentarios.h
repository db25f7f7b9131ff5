#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "xml.h"

namespace quillora::docx {

// A w:comment of the comments part, and which direct child of the root it is.
struct ComentarioXml {
  std::string id;
  std::string autor;
  std::string iniciales;
  std::string fecha;
  std::string texto;   // paragraphs joined by '\r'
  std::string paraId;  // w14:paraId of its last paragraph, which the extension parts key on
  std::size_t hijo = 0;
};
std::vector<ComentarioXml> LeerComentarios(const ParteXml& comentarios);

// The styles Word gives comment text and comment marks, by their built-in names; empty when the
// document lacks them.
struct EstilosComentario {
  std::string referencia;  // character style "annotation reference"
  std::string texto;       // paragraph style "annotation text"
};
EstilosComentario BuscarEstilos(const ParteXml& estilos);

struct ComentarioNuevo {
  std::string id;
  std::string autor;
  std::string iniciales;
  std::string fecha;
  std::string texto;  // paragraphs split at "\r\n", '\r' or '\n'
};

// The comments part with these comments removed, replaced (by id) and added at the end; the
// other comments keep their bytes.
std::string EditarComentarios(const ParteXml& parte, const std::vector<ComentarioXml>& leidos,
                              const std::set<std::string>& borrar,
                              const std::vector<ComentarioNuevo>& reemplazar,
                              const std::vector<ComentarioNuevo>& nuevos,
                              const EstilosComentario& estilos);
// A new comments part holding `nuevos`.
std::string CrearComentarios(std::string_view uriW, const std::vector<ComentarioNuevo>& nuevos,
                             const EstilosComentario& estilos);

// Removes from an extension part (commentsExtended, commentsIds, commentsExtensible) the root's
// children named `elemento` whose attribute `clave` is one of `valores`, and gathers their
// attribute `otra` into `otros`. Nothing when none matches.
std::optional<std::string> QuitarEntradas(const ParteXml& parte, std::string_view elemento,
                                          std::string_view clave,
                                          const std::set<std::string>& valores,
                                          std::string_view otra = {},
                                          std::set<std::string>* otros = nullptr);

// Comment paragraphs are compared with every line end as '\r', as they read back.
std::string NormalizarSaltos(std::string_view texto);

}  // namespace quillora::docx
