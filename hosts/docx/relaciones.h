#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "paquete.h"

namespace quillora::docx {

class ParteXml;

// Relationship types by their last segment ("comments", "styles"), Transitional or Strict.
inline constexpr std::string_view kRelacionesTransicional =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
inline constexpr std::string_view kRelacionesEstricto =
    "http://purl.oclc.org/ooxml/officeDocument/relationships/";
inline constexpr std::string_view kTipoComentariosExtendidos =
    "http://schemas.microsoft.com/office/2011/relationships/commentsExtended";
inline constexpr std::string_view kTipoComentariosIds =
    "http://schemas.microsoft.com/office/2016/09/relationships/commentsIds";
inline constexpr std::string_view kTipoComentariosExtensibles =
    "http://schemas.microsoft.com/office/2018/08/relationships/commentsExtensible";
inline constexpr std::string_view kContenidoComentarios =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml";
inline constexpr std::string_view kContenidoRelaciones =
    "application/vnd.openxmlformats-package.relationships+xml";

struct Relacion {
  std::string id;
  std::string tipo;
  std::string destino;  // the target part's name, resolved; empty for an external target
};

// The relationships part of `parte` ("word/_rels/document.xml.rels" for "word/document.xml").
std::string ParteDeRelaciones(std::string_view parte);
// The relationships in `rels`, targets resolved against `origen` (the part they belong to).
std::vector<Relacion> LeerRelaciones(const ParteXml& rels, std::string_view origen);
bool EsTipo(std::string_view tipo, std::string_view ultimo);
// A target relative to `origen`'s folder (or absolute) as a part name without the leading '/'.
std::string ResolverDestino(std::string_view origen, std::string_view destino);

// Where the parts the host works with are, found from the package's relationships.
struct Partes {
  std::string principal;
  bool estricto = false;
  std::string relacionesPrincipal;  // may not exist yet
  std::optional<std::string> comentarios;
  std::optional<std::string> extendidos;   // commentsExtended
  std::optional<std::string> ids;          // commentsIds
  std::optional<std::string> extensibles;  // commentsExtensible
  std::optional<std::string> estilos;
};

// The content type [Content_Types].xml gives a part: its Override, or its extension's Default.
std::string TipoDeContenido(const ParteXml& tipos, std::string_view parte);

inline constexpr std::string_view kTiposContenido = "[Content_Types].xml";

Partes LocalizarPartes(const Paquete& paquete);

}  // namespace quillora::docx
