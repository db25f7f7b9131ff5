#include "docx/libreoffice_prueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <pugixml.hpp>
#include <stdexcept>
#include <tuple>

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

// An OpenDocument text as the reader sees it: the body's paragraphs that hold text, each ended
// by '\n', without the comments and the record of tracked changes; and the comments in order.
// Empty paragraphs are left out: when a document holds comments, whoever wrote them, LibreOffice
// adds one before a table that opens a section and drops some that carry a section break.
struct TextoOdt {
  std::string cuerpo;
  std::vector<Anotacion> anotaciones;
};

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

}  // namespace

void PrintTo(const Anotacion& anotacion, std::ostream* salida) {
  *salida << anotacion.autor << ": «" << anotacion.texto << "»";
}

bool HayLibreOffice() { return std::system("command -v soffice > /dev/null 2>&1") == 0; }

void EsperarMarcadosComoOriginales(const std::filesystem::path& carpeta,
                                   const std::map<std::string, std::vector<Anotacion>>& marcas) {
  std::vector<std::filesystem::path> archivos;
  for (const auto& [nombre, deQuillora] : marcas) {
    archivos.push_back(carpeta / (nombre + ".docx"));
    archivos.push_back(carpeta / (nombre + "-marcado.docx"));
  }
  ASSERT_TRUE(ConvertirAOdt(archivos, carpeta / "odt", carpeta / "perfil"));
  const auto ordenadas = [](std::vector<Anotacion> anotaciones) {
    std::sort(anotaciones.begin(), anotaciones.end(), [](const auto& a, const auto& b) {
      return std::tie(a.autor, a.texto) < std::tie(b.autor, b.texto);
    });
    return anotaciones;
  };
  for (const auto& [nombre, deQuillora] : marcas) {
    SCOPED_TRACE(nombre);
    const auto original = LeerOdt(carpeta / "odt" / (nombre + ".odt"));
    const auto marcado = LeerOdt(carpeta / "odt" / (nombre + "-marcado.odt"));
    EXPECT_EQ(marcado.cuerpo, original.cuerpo);
    auto esperadas = original.anotaciones;
    esperadas.insert(esperadas.end(), deQuillora.begin(), deQuillora.end());
    EXPECT_EQ(ordenadas(marcado.anotaciones), ordenadas(esperadas));
  }
}

}  // namespace quillora::docx::prueba
