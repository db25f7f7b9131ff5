#include "docx/libreoffice_prueba.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <pugixml.hpp>
#include <stdexcept>

#include "docx/paquete_prueba.h"

namespace quillora::docx::prueba {

namespace {

// Shell quoting for a path.
std::string Citar(const std::string& texto) {
  std::string citado = "'";
  for (const char c : texto) {
    if (c == '\'') {
      citado += "'\\''";
    } else {
      citado += c;
    }
  }
  return citado + "'";
}

void Texto(pugi::xml_node nodo, std::string& salida);

void Hijos(pugi::xml_node nodo, std::string& salida) {
  for (auto hijo = nodo.first_child(); hijo; hijo = hijo.next_sibling()) Texto(hijo, salida);
}

void Texto(pugi::xml_node nodo, std::string& salida) {
  if (nodo.type() == pugi::node_pcdata || nodo.type() == pugi::node_cdata) {
    salida += nodo.value();
    return;
  }
  if (nodo.type() != pugi::node_element) return;
  const char* nombre = nodo.name();
  if (std::strcmp(nombre, "office:annotation") == 0 ||
      std::strcmp(nombre, "text:tracked-changes") == 0) {
    return;
  }
  if (std::strcmp(nombre, "text:s") == 0) {
    salida.append(static_cast<std::size_t>(std::max(1, nodo.attribute("text:c").as_int(1))), ' ');
  } else if (std::strcmp(nombre, "text:tab") == 0) {
    salida += '\t';
  } else if (std::strcmp(nombre, "text:line-break") == 0) {
    salida += '\n';
  } else if (std::strcmp(nombre, "text:p") == 0 || std::strcmp(nombre, "text:h") == 0) {
    const auto antes = salida.size();
    Hijos(nodo, salida);
    if (salida.size() > antes) salida += '\n';
  } else {
    Hijos(nodo, salida);
  }
}

}  // namespace

void PrintTo(const Anotacion& anotacion, std::ostream* salida) {
  *salida << anotacion.autor << ": «" << anotacion.texto << "»";
}

bool HayLibreOffice() { return std::system("command -v soffice > /dev/null 2>&1") == 0; }

bool ConvertirAOdt(const std::vector<std::filesystem::path>& archivos,
                   const std::filesystem::path& destino, const std::filesystem::path& perfil) {
  std::string orden = "timeout 600 soffice --headless -env:UserInstallation=file://" +
                      Citar(perfil.string()) + " --convert-to odt --outdir " +
                      Citar(destino.string());
  for (const auto& archivo : archivos) orden += " " + Citar(archivo.string());
  orden += " > /dev/null 2>&1";
  return std::system(orden.c_str()) == 0;
}

TextoOdt LeerOdt(const std::filesystem::path& odt) {
  std::string contenido;
  for (const auto& [nombre, datos] : LeerZip(odt)) {
    if (nombre == "content.xml") contenido = datos;
  }
  pugi::xml_document documento;
  if (!documento.load_buffer(contenido.data(), contenido.size(),
                             pugi::parse_default | pugi::parse_ws_pcdata)) {
    throw std::runtime_error("content.xml ilegible en " + odt.string());
  }
  TextoOdt leido;
  Texto(documento.document_element().child("office:body"), leido.cuerpo);
  for (const auto& anotacion : documento.select_nodes("//office:annotation")) {
    Anotacion a;
    a.autor = anotacion.node().child("dc:creator").text().get();
    for (auto hijo = anotacion.node().first_child(); hijo; hijo = hijo.next_sibling()) {
      if (std::strcmp(hijo.name(), "text:p") == 0) Texto(hijo, a.texto);
    }
    if (!a.texto.empty() && a.texto.back() == '\n') a.texto.pop_back();
    leido.anotaciones.push_back(std::move(a));
  }
  return leido;
}

}  // namespace quillora::docx::prueba
