#include "relaciones.h"

#include <array>

#include "documento_docx.h"
#include "xml.h"

namespace quillora::docx {

namespace {

constexpr std::array<std::string_view, 4> kContenidosPrincipales = {
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml",
    "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml",
    "application/vnd.ms-word.document.macroEnabled.main+xml",
    "application/vnd.ms-word.template.macroEnabledTemplate.main+xml",
};

int ValorHex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Decodificar(std::string_view texto) {
  std::string salida;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    if (texto[i] == '%' && i + 2 < texto.size() && ValorHex(texto[i + 1]) >= 0 &&
        ValorHex(texto[i + 2]) >= 0) {
      salida.push_back(static_cast<char>(ValorHex(texto[i + 1]) * 16 + ValorHex(texto[i + 2])));
      i += 2;
    } else {
      salida.push_back(texto[i]);
    }
  }
  return salida;
}

bool IgualesSinMayusculas(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto baja = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (baja(a[i]) != baja(b[i])) return false;
  }
  return true;
}

}  // namespace

std::string TipoDeContenido(const ParteXml& tipos, std::string_view parte) {
  const std::string nombre = "/" + std::string(parte);
  const auto punto = parte.rfind('.');
  const std::string_view extension = punto == std::string_view::npos ? "" : parte.substr(punto + 1);
  std::string porDefecto;
  for (const auto elemento : tipos.Raiz().children()) {
    if (elemento.type() != pugi::node_element) continue;
    const auto local = NombreLocal(elemento.name());
    if (local == "Override" &&
        IgualesSinMayusculas(elemento.attribute("PartName").value(), nombre)) {
      return elemento.attribute("ContentType").value();
    }
    if (local == "Default" &&
        IgualesSinMayusculas(elemento.attribute("Extension").value(), extension)) {
      porDefecto = elemento.attribute("ContentType").value();
    }
  }
  return porDefecto;
}

namespace {

bool EsPrincipal(std::string_view contenido) {
  for (const auto tipo : kContenidosPrincipales) {
    if (contenido == tipo) return true;
  }
  return false;
}

}  // namespace

std::string ParteDeRelaciones(std::string_view parte) {
  const auto barra = parte.rfind('/');
  const std::string_view carpeta =
      barra == std::string_view::npos ? "" : parte.substr(0, barra + 1);
  const std::string_view nombre = barra == std::string_view::npos ? parte : parte.substr(barra + 1);
  return std::string(carpeta) + "_rels/" + std::string(nombre) + ".rels";
}

std::string ResolverDestino(std::string_view origen, std::string_view destino) {
  std::string ruta;
  if (destino.starts_with('/')) {
    ruta = Decodificar(destino.substr(1));
  } else {
    const auto barra = origen.rfind('/');
    ruta = std::string(barra == std::string_view::npos ? "" : origen.substr(0, barra + 1)) +
           Decodificar(destino);
  }
  // Folds "." and ".." segments.
  std::vector<std::string> segmentos;
  std::size_t inicio = 0;
  while (inicio <= ruta.size()) {
    const auto fin = std::min(ruta.find('/', inicio), ruta.size());
    const std::string segmento = ruta.substr(inicio, fin - inicio);
    if (segmento == "..") {
      if (!segmentos.empty()) segmentos.pop_back();
    } else if (!segmento.empty() && segmento != ".") {
      segmentos.push_back(segmento);
    }
    inicio = fin + 1;
  }
  std::string salida;
  for (const auto& segmento : segmentos) salida += (salida.empty() ? "" : "/") + segmento;
  return salida;
}

bool EsTipo(std::string_view tipo, std::string_view ultimo) {
  for (const auto base : {kRelacionesTransicional, kRelacionesEstricto}) {
    if (tipo.size() == base.size() + ultimo.size() && tipo.starts_with(base) &&
        tipo.ends_with(ultimo)) {
      return true;
    }
  }
  return false;
}

std::vector<Relacion> LeerRelaciones(const ParteXml& rels, std::string_view origen) {
  std::vector<Relacion> relaciones;
  for (const auto elemento : rels.Raiz().children()) {
    if (elemento.type() != pugi::node_element || NombreLocal(elemento.name()) != "Relationship")
      continue;
    Relacion relacion;
    relacion.id = elemento.attribute("Id").value();
    relacion.tipo = elemento.attribute("Type").value();
    if (std::string_view(elemento.attribute("TargetMode").value()) != "External") {
      relacion.destino = ResolverDestino(origen, elemento.attribute("Target").value());
    }
    relaciones.push_back(std::move(relacion));
  }
  return relaciones;
}

Partes LocalizarPartes(const Paquete& paquete) {
  if (!paquete.Existe(kTiposContenido)) {
    throw ErrorDocx(
        "El archivo no es un documento .docx válido: le falta la lista de tipos de "
        "contenido ([Content_Types].xml)");
  }
  const ParteXml tipos(std::string(kTiposContenido), paquete.Leer(kTiposContenido));
  Partes partes;
  const std::string relacionesPaquete = "_rels/.rels";
  if (paquete.Existe(relacionesPaquete)) {
    const ParteXml rels(relacionesPaquete, paquete.Leer(relacionesPaquete));
    for (const auto& relacion : LeerRelaciones(rels, "")) {
      if (EsTipo(relacion.tipo, "officeDocument") && !relacion.destino.empty() &&
          paquete.Existe(relacion.destino)) {
        partes.principal = paquete.NombreEntrada(*paquete.Buscar(relacion.destino));
        partes.estricto = relacion.tipo.starts_with(kRelacionesEstricto);
        break;
      }
    }
  }
  if (partes.principal.empty()) {
    // Without a usable package relationship, the part declared as a Word document.
    for (const auto elemento : tipos.Raiz().children()) {
      if (NombreLocal(elemento.name()) == "Override" &&
          EsPrincipal(elemento.attribute("ContentType").value()) &&
          paquete.Existe(elemento.attribute("PartName").value())) {
        partes.principal =
            paquete.NombreEntrada(*paquete.Buscar(elemento.attribute("PartName").value()));
        break;
      }
    }
  }
  if (partes.principal.empty()) {
    throw ErrorDocx(
        "El archivo no es un documento .docx válido: no tiene la parte principal del "
        "documento");
  }
  const std::string contenido = TipoDeContenido(tipos, partes.principal);
  if (!EsPrincipal(contenido)) {
    throw ErrorDocx("El archivo no es un documento de Word: su parte principal es de tipo «" +
                    contenido + "»");
  }
  partes.relacionesPrincipal = ParteDeRelaciones(partes.principal);
  if (const auto entrada = paquete.Buscar(partes.relacionesPrincipal)) {
    partes.relacionesPrincipal = paquete.NombreEntrada(*entrada);
    const ParteXml rels(partes.relacionesPrincipal, paquete.Leer(*entrada));
    for (const auto& relacion : LeerRelaciones(rels, partes.principal)) {
      // Comments written beside a part that is missing, or into a second one, would be lost to
      // whoever reads the other.
      if (EsTipo(relacion.tipo, "comments")) {
        if (relacion.destino.empty() || !paquete.Existe(relacion.destino)) {
          throw ErrorDocx(
              "El documento .docx está dañado: su relación de comentarios apunta a la parte de "
              "comentarios «" +
              (relacion.destino.empty() ? std::string("(fuera del documento)") : relacion.destino) +
              "», que no existe");
        }
        if (partes.comentarios &&
            paquete.Buscar(*partes.comentarios) != paquete.Buscar(relacion.destino)) {
          throw ErrorDocx(
              "El documento .docx no se puede tratar sin riesgo: tiene dos partes de "
              "comentarios, «" +
              *partes.comentarios + "» y «" + relacion.destino + "»");
        }
      }
      if (relacion.destino.empty() || !paquete.Existe(relacion.destino)) continue;
      const std::string nombre = paquete.NombreEntrada(*paquete.Buscar(relacion.destino));
      auto asignar = [&](std::optional<std::string>& parte) {
        if (!parte) parte = nombre;
      };
      if (EsTipo(relacion.tipo, "comments")) asignar(partes.comentarios);
      if (EsTipo(relacion.tipo, "styles")) asignar(partes.estilos);
      if (relacion.tipo == kTipoComentariosExtendidos) asignar(partes.extendidos);
      if (relacion.tipo == kTipoComentariosIds) asignar(partes.ids);
      if (relacion.tipo == kTipoComentariosExtensibles) asignar(partes.extensibles);
    }
  }
  return partes;
}

}  // namespace quillora::docx
