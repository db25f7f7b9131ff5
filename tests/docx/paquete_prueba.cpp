#include "docx/paquete_prueba.h"

#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <pugixml.hpp>
#include <sstream>
#include <stdexcept>

namespace quillora::docx::prueba {

void EscribirZip(const std::filesystem::path& ruta, const Entradas& entradas) {
  int error = 0;
  zip_t* archivo = zip_open(ruta.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archivo == nullptr) throw std::runtime_error("zip_open " + std::to_string(error));
  for (const auto& [nombre, contenido] : entradas) {
    zip_source_t* fuente = zip_source_buffer(archivo, contenido.data(), contenido.size(), 0);
    if (fuente == nullptr || zip_file_add(archivo, nombre.c_str(), fuente, ZIP_FL_ENC_UTF_8) < 0) {
      zip_source_free(fuente);
      zip_discard(archivo);
      throw std::runtime_error("zip_file_add " + nombre);
    }
  }
  if (zip_close(archivo) != 0) {
    zip_discard(archivo);
    throw std::runtime_error("zip_close");
  }
}

Entradas LeerZip(const std::filesystem::path& ruta) {
  int error = 0;
  zip_t* archivo = zip_open(ruta.c_str(), ZIP_RDONLY, &error);
  if (archivo == nullptr) throw std::runtime_error("zip_open " + ruta.string());
  Entradas entradas;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archivo, 0); ++i) {
    zip_stat_t estado;
    zip_stat_index(archivo, static_cast<zip_uint64_t>(i), 0, &estado);
    std::string contenido(estado.size, '\0');
    zip_file_t* parte = zip_fopen_index(archivo, static_cast<zip_uint64_t>(i), 0);
    if (parte == nullptr || zip_fread(parte, contenido.data(), contenido.size()) !=
                                static_cast<zip_int64_t>(contenido.size())) {
      zip_discard(archivo);
      throw std::runtime_error("zip_fread " + std::string(estado.name));
    }
    zip_fclose(parte);
    entradas.emplace_back(estado.name, std::move(contenido));
  }
  zip_discard(archivo);
  return entradas;
}

std::map<std::string, std::string> PartesDe(const std::filesystem::path& ruta) {
  std::map<std::string, std::string> partes;
  for (auto& [nombre, contenido] : LeerZip(ruta)) partes.emplace(nombre, std::move(contenido));
  return partes;
}

std::string LeerBytes(const std::filesystem::path& ruta) {
  std::ifstream entrada(ruta, std::ios::binary);
  std::ostringstream bytes;
  bytes << entrada.rdbuf();
  return bytes.str();
}

void EscribirBytes(const std::filesystem::path& ruta, const std::string& bytes) {
  std::ofstream(ruta, std::ios::binary) << bytes;
}

CarpetaTemporal::CarpetaTemporal() {
  std::string plantilla = (std::filesystem::temp_directory_path() / "docx_prueba_XXXXXX").string();
  if (mkdtemp(plantilla.data()) == nullptr) throw std::runtime_error("mkdtemp");
  ruta_ = plantilla;
}

CarpetaTemporal::~CarpetaTemporal() {
  std::error_code error;
  std::filesystem::remove_all(ruta_, error);
}

std::vector<std::string> Archivos(const std::filesystem::path& carpeta) {
  std::vector<std::string> nombres;
  for (const auto& entrada : std::filesystem::directory_iterator(carpeta)) {
    nombres.push_back(entrada.path().filename().string());
  }
  std::sort(nombres.begin(), nombres.end());
  return nombres;
}

Entradas Docx::Paquete() const {
  const std::string declaracion =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
  const std::string carpeta = principal.substr(0, principal.rfind('/') + 1);
  const std::string nombre = principal.substr(principal.rfind('/') + 1);
  std::string tipos =
      declaracion +
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" "
      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Override PartName=\"/" +
      principal +
      "\" "
      "ContentType=\"application/"
      "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
      "<Override PartName=\"/" +
      carpeta +
      "footnotes.xml\" "
      "ContentType=\"application/"
      "vnd.openxmlformats-officedocument.wordprocessingml.footnotes+xml\"/>";
  std::string rels =
      declaracion +
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" "
      "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/footnotes\" "
      "Target=\"footnotes.xml\"/>";
  Entradas entradas;
  auto parte = [&](const std::string& archivo, const std::string& tipo, const std::string& relacion,
                   const std::string& raiz, const std::string& contenido) {
    tipos += "<Override PartName=\"/" + carpeta + archivo + "\" ContentType=\"" + tipo + "\"/>";
    rels += "<Relationship Id=\"rId" + std::to_string(entradas.size() + 2) + "\" Type=\"" +
            relacion + "\" Target=\"" + archivo + "\"/>";
    entradas.emplace_back(carpeta + archivo, declaracion + "<" + raiz + kEspacios + ">" +
                                                 contenido + "</" + raiz + ">");
  };
  const std::string ooxml = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
  if (estilos) {
    parte("styles.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml",
          ooxml + "styles", "w:styles",
          "<w:style w:type=\"paragraph\" w:styleId=\"CommentText\"><w:name w:val=\"annotation "
          "text\"/></w:style>"
          "<w:style w:type=\"character\" w:styleId=\"CommentReference\"><w:name w:val=\"annotation "
          "reference\"/></w:style>");
  }
  if (comentarios) {
    parte("comments.xml",
          "application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml",
          ooxml + "comments", "w:comments", *comentarios);
  }
  if (extendidos) {
    parte("commentsExtended.xml",
          "application/vnd.openxmlformats-officedocument.wordprocessingml.commentsExtended+xml",
          "http://schemas.microsoft.com/office/2011/relationships/commentsExtended",
          "w15:commentsEx", *extendidos);
  }
  if (ids) {
    parte("commentsIds.xml",
          "application/vnd.openxmlformats-officedocument.wordprocessingml.commentsIds+xml",
          "http://schemas.microsoft.com/office/2016/09/relationships/commentsIds",
          "w16cid:commentsIds", *ids);
  }
  if (extensibles) {
    parte("commentsExtensible.xml",
          "application/vnd.openxmlformats-officedocument.wordprocessingml.commentsExtensible+xml",
          "http://schemas.microsoft.com/office/2018/08/relationships/commentsExtensible",
          "w16cex:commentsExtensible", *extensibles);
  }
  entradas.emplace_back(
      carpeta + "footnotes.xml",
      declaracion + "<w:footnotes" + kEspacios + ">" +
          notas.value_or("<w:footnote w:id=\"1\"><w:p><w:r><w:t>Nota al pie</w:t></w:r></w:p>"
                         "</w:footnote>") +
          "</w:footnotes>");
  entradas.emplace(entradas.begin(), principal,
                   documento ? *documento
                             : declaracion + "<w:document" + kEspacios + "><w:body>" + cuerpo +
                                   "<w:sectPr/></w:body></w:document>");
  entradas.emplace(entradas.begin(), carpeta + "_rels/" + nombre + ".rels",
                   rels + "</Relationships>");
  entradas.emplace(
      entradas.begin(), "_rels/.rels",
      declaracion +
          "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
          "<Relationship Id=\"rId1\" "
          "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
          "officeDocument\" Target=\"" +
          principal + "\"/></Relationships>");
  entradas.emplace(entradas.begin(), "[Content_Types].xml", tipos + "</Types>");
  entradas.emplace_back(
      "docProps/app.xml",
      declaracion + "<Properties><Application>Pruebas</Application></Properties>");
  return entradas;
}

std::vector<std::string> Formato(const std::string& xml) {
  pugi::xml_document doc;
  doc.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_ws_pcdata);
  std::vector<std::string> parrafos;
  for (const auto& p : doc.select_nodes("//w:p")) {
    std::string formato;
    std::string anterior;
    for (const auto& t : p.node().select_nodes(".//w:t")) {
      // Only the paragraph's own runs: text boxes inside it have paragraphs of their own.
      auto padre = t.node().parent();
      while (padre && std::string_view(padre.name()) != "w:p") padre = padre.parent();
      if (padre != p.node()) continue;
      std::ostringstream rPr;
      t.node().parent().child("w:rPr").print(rPr, "", pugi::format_raw);
      if (rPr.str() != anterior || formato.empty()) formato += "\n[" + rPr.str() + "]";
      anterior = rPr.str();
      formato += t.node().text().get();
    }
    parrafos.push_back(formato);
  }
  return parrafos;
}

std::string Forma(const std::string& xml, int parrafo) {
  pugi::xml_document doc;
  doc.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_ws_pcdata);
  const auto p =
      doc.select_nodes("/w:document/w:body/w:p")[static_cast<std::size_t>(parrafo)].node();
  auto local = [](const char* nombre) {
    const std::string_view n = nombre;
    return std::string(n.substr(n.find(':') + 1));
  };
  std::string forma;
  for (const auto hijo : p.children()) {
    if (hijo.type() != pugi::node_element) continue;
    if (!forma.empty()) forma += "|";
    const std::string nombre = local(hijo.name());
    if (nombre == "commentRangeStart" || nombre == "commentRangeEnd") {
      forma +=
          (nombre == "commentRangeStart" ? "<" : ">") + std::string(hijo.attribute("w:id").value());
    } else if (nombre == "r") {
      forma += "r";
      std::string propiedades;
      for (const auto propiedad : hijo.child("w:rPr").children()) {
        propiedades += (propiedades.empty() ? "" : ",") + local(propiedad.name());
        if (propiedad.attribute("w:val"))
          propiedades += "=" + std::string(propiedad.attribute("w:val").value());
      }
      if (!propiedades.empty()) forma += "[" + propiedades + "]";
      forma += ":";
      for (const auto contenido : hijo.children()) {
        const std::string tipo = local(contenido.name());
        if (tipo == "t") forma += contenido.text().get();
        if (tipo == "tab") forma += "⇥";
        if (tipo == "br") forma += "↵";
        if (tipo == "commentReference")
          forma += "@" + std::string(contenido.attribute("w:id").value());
      }
    } else {
      forma += nombre;
    }
  }
  return forma;
}

}  // namespace quillora::docx::prueba
