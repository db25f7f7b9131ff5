#include "otras_partes.h"

#include <algorithm>

#include "xml.h"

namespace quillora::docx {

std::vector<std::string> PartesConAnclas(const Paquete& paquete, const Partes& partes) {
  std::vector<std::string> nombres;
  if (!paquete.Existe(partes.relacionesPrincipal)) return nombres;
  const ParteXml rels(partes.relacionesPrincipal, paquete.Leer(partes.relacionesPrincipal));
  for (const auto& relacion : LeerRelaciones(rels, partes.principal)) {
    const bool conAnclas = EsTipo(relacion.tipo, "footnotes") ||
                           EsTipo(relacion.tipo, "endnotes") || EsTipo(relacion.tipo, "header") ||
                           EsTipo(relacion.tipo, "footer");
    if (!conAnclas || relacion.destino.empty() || !paquete.Existe(relacion.destino)) continue;
    const std::string nombre = paquete.NombreEntrada(*paquete.Buscar(relacion.destino));
    if (std::find(nombres.begin(), nombres.end(), nombre) == nombres.end()) {
      nombres.push_back(nombre);
    }
  }
  return nombres;
}

std::map<std::string, std::string> AnclasEnOtrasPartes(const Paquete& paquete,
                                                       const std::vector<std::string>& partes) {
  std::map<std::string, std::string> anclas;
  const pugi::xpath_query debajo(".//*");
  for (const auto& nombre : partes) {
    const ParteXml parte(nombre, paquete.Leer(nombre));
    const Nombres nombres(parte.Raiz());
    // A note is a child of the root; its anchors lie anywhere below it.
    for (const auto hijo : parte.Raiz().children()) {
      if (hijo.type() != pugi::node_element) continue;
      const std::string_view local = NombreLocal(hijo.name());
      const std::string nota = local == "footnote" || local == "endnote"
                                   ? std::string(local) + " " + nombres.Atributo(hijo, "id").value()
                                   : std::string();
      for (const auto& encontrado : hijo.select_nodes(debajo)) {
        const auto elemento = encontrado.node();
        const auto tipo = nombres.Clasificar(elemento.name());
        if (tipo == Etiqueta::CommentRangeStart || tipo == Etiqueta::CommentRangeEnd ||
            tipo == Etiqueta::CommentReference) {
          anclas.try_emplace(nombres.Atributo(elemento, "id").value(), nota);
        }
      }
    }
  }
  return anclas;
}

}  // namespace quillora::docx
