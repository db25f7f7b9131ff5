#include "xml.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "common/texto_unicode.h"
#include "documento_docx.h"

namespace quillora::docx {

namespace {

Etiqueta EtiquetaW(std::string_view local) {
  static const std::unordered_map<std::string_view, Etiqueta> tabla = {
      {"document", Etiqueta::Document},
      {"body", Etiqueta::Body},
      {"p", Etiqueta::P},
      {"r", Etiqueta::R},
      {"t", Etiqueta::T},
      {"tab", Etiqueta::Tab},
      {"ptab", Etiqueta::PTab},
      {"br", Etiqueta::Br},
      {"cr", Etiqueta::Cr},
      {"noBreakHyphen", Etiqueta::NoBreakHyphen},
      {"softHyphen", Etiqueta::SoftHyphen},
      {"sym", Etiqueta::Sym},
      {"fldChar", Etiqueta::FldChar},
      {"fldSimple", Etiqueta::FldSimple},
      {"hyperlink", Etiqueta::Hyperlink},
      {"ins", Etiqueta::Ins},
      {"moveTo", Etiqueta::MoveTo},
      {"sdt", Etiqueta::Sdt},
      {"sdtContent", Etiqueta::SdtContent},
      {"customXml", Etiqueta::CustomXml},
      {"smartTag", Etiqueta::SmartTag},
      {"tbl", Etiqueta::Tbl},
      {"tr", Etiqueta::Tr},
      {"tc", Etiqueta::Tc},
      {"dir", Etiqueta::Dir},
      {"bdo", Etiqueta::Bdo},
      {"commentRangeStart", Etiqueta::CommentRangeStart},
      {"commentRangeEnd", Etiqueta::CommentRangeEnd},
      {"commentReference", Etiqueta::CommentReference},
      {"comment", Etiqueta::Comment},
      {"comments", Etiqueta::Comments},
      {"rPr", Etiqueta::RPr},
      {"pPr", Etiqueta::PPr},
      {"rStyle", Etiqueta::RStyle},
      {"style", Etiqueta::Style},
      {"name", Etiqueta::Name},
      {"del", Etiqueta::Del},
      {"moveFrom", Etiqueta::MoveFrom},
      {"rPrChange", Etiqueta::RPrChange},
  };
  const auto encontrada = tabla.find(local);
  return encontrada == tabla.end() ? Etiqueta::Otra : encontrada->second;
}

bool EsUriW(std::string_view uri) { return uri == kUriW || uri == kUriWEstricto; }

std::pair<std::string_view, std::string_view> Partir(std::string_view nombre) {
  const auto dos = nombre.find(':');
  if (dos == std::string_view::npos) return {{}, nombre};
  return {nombre.substr(0, dos), nombre.substr(dos + 1)};
}

class Escritor final : public pugi::xml_writer {
 public:
  void write(const void* datos, std::size_t tamano) override {
    texto.append(static_cast<const char*>(datos), tamano);
  }
  std::string texto;
};

constexpr unsigned kOpcionesLectura = pugi::parse_default | pugi::parse_declaration |
                                      pugi::parse_doctype | pugi::parse_ws_pcdata |
                                      pugi::parse_comments | pugi::parse_pi;

// Skips a tag or markup that starts at `pos` ('<'); answers the offset after it.
std::size_t SaltarMarca(std::string_view xml, std::size_t pos) {
  auto hasta = [&](std::string_view fin) {
    const auto encontrado = xml.find(fin, pos);
    if (encontrado == std::string_view::npos) throw ErrorDocx("XML incompleto");
    return encontrado + fin.size();
  };
  if (xml.compare(pos, 4, "<!--") == 0) return hasta("-->");
  if (xml.compare(pos, 9, "<![CDATA[") == 0) return hasta("]]>");
  if (xml.compare(pos, 2, "<?") == 0) return hasta("?>");
  char comilla = 0;
  for (std::size_t i = pos + 1; i < xml.size(); ++i) {
    const char c = xml[i];
    if (comilla != 0) {
      if (c == comilla) comilla = 0;
    } else if (c == '"' || c == '\'') {
      comilla = c;
    } else if (c == '>') {
      return i + 1;
    }
  }
  throw ErrorDocx("XML incompleto");
}

// Reads the characters of a part's bytes in the encoding the parser found, without trusting
// them: bytes that are not text in that encoding read as kMalCodificado.
class Lector {
 public:
  static constexpr char32_t kMalCodificado = 0xFFFFFFFF;

  Lector(std::string_view bytes, pugi::xml_encoding codificacion)
      : b_(reinterpret_cast<const unsigned char*>(bytes.data())),
        n_(bytes.size()),
        codificacion_(codificacion) {}

  bool Fin(std::size_t i) const { return i >= n_; }

  // The character at byte `i` and the byte after it.
  std::pair<char32_t, std::size_t> En(std::size_t i) const {
    switch (codificacion_) {
      case pugi::encoding_utf16_le:
      case pugi::encoding_utf16_be: {
        const auto unidad = [&](std::size_t j) -> char32_t {
          return codificacion_ == pugi::encoding_utf16_le ? b_[j] | (b_[j + 1] << 8)
                                                          : (b_[j] << 8) | b_[j + 1];
        };
        if (i + 2 > n_) return {kMalCodificado, n_};
        const char32_t alta = unidad(i);
        if (alta >= 0xD800 && alta <= 0xDBFF && i + 4 <= n_) {
          const char32_t baja = unidad(i + 2);
          if (baja >= 0xDC00 && baja <= 0xDFFF)
            return {0x10000 + ((alta - 0xD800) << 10) + (baja - 0xDC00), i + 4};
        }
        return {alta, i + 2};  // a lone surrogate is a character XML forbids
      }
      case pugi::encoding_utf32_le:
      case pugi::encoding_utf32_be:
        if (i + 4 > n_) return {kMalCodificado, n_};
        return {codificacion_ == pugi::encoding_utf32_le
                    ? char32_t(b_[i]) | (char32_t(b_[i + 1]) << 8) | (char32_t(b_[i + 2]) << 16) |
                          (char32_t(b_[i + 3]) << 24)
                    : (char32_t(b_[i]) << 24) | (char32_t(b_[i + 1]) << 16) |
                          (char32_t(b_[i + 2]) << 8) | char32_t(b_[i + 3]),
                i + 4};
      case pugi::encoding_latin1:
        return {b_[i], i + 1};
      default:
        return Utf8(i);
    }
  }

 private:
  std::pair<char32_t, std::size_t> Utf8(std::size_t i) const {
    const unsigned char c = b_[i];
    if (c < 0x80) return {c, i + 1};
    const std::size_t largo = c >= 0xC2 && c <= 0xDF   ? 2
                              : c >= 0xE0 && c <= 0xEF ? 3
                              : c >= 0xF0 && c <= 0xF4 ? 4
                                                       : 0;
    if (largo == 0 || i + largo > n_) return {kMalCodificado, i + 1};
    char32_t punto = c & (0x7F >> largo);
    for (std::size_t j = 1; j < largo; ++j) {
      if ((b_[i + j] & 0xC0) != 0x80) return {kMalCodificado, i + 1};
      punto = (punto << 6) | (b_[i + j] & 0x3F);
    }
    if ((largo == 3 && punto < 0x800) || (largo == 4 && (punto < 0x10000 || punto > 0x10FFFF)))
      return {kMalCodificado, i + 1};
    return {punto, i + largo};
  }

  const unsigned char* b_;
  std::size_t n_;
  pugi::xml_encoding codificacion_;
};

// The characters XML 1.0 allows.
bool Permitido(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Refuses a part with a character XML forbids, written as it is or as a character reference: the
// parser takes both, and a reference to U+0000 would even cut the text short where it stands.
void ComprobarCaracteres(std::string_view bytes, pugi::xml_encoding codificacion,
                         const std::string& parte) {
  const Lector lector(bytes, codificacion);
  auto prohibido = [&](char32_t c) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "U+%04X", static_cast<unsigned>(c));
    return ErrorDocx("El documento .docx está dañado: la parte «" + parte +
                     "» tiene un carácter que XML no admite (" + texto + ")");
  };
  // Whether the characters from `i` are `texto` (ASCII).
  auto sigue = [&](std::size_t i, std::string_view texto) {
    for (const char esperado : texto) {
      if (lector.Fin(i)) return false;
      const auto [c, siguiente] = lector.En(i);
      if (c != static_cast<unsigned char>(esperado)) return false;
      i = siguiente;
    }
    return true;
  };
  // Comments, CDATA sections and processing instructions hold no references; they end at these.
  std::string_view cierre;
  for (std::size_t i = 0; !lector.Fin(i);) {
    const auto [c, siguiente] = lector.En(i);
    if (c == Lector::kMalCodificado) {
      throw ErrorDocx("El documento .docx está dañado: la parte «" + parte +
                      "» tiene texto mal codificado (no es UTF-8 válido)");
    }
    if (!Permitido(c)) throw prohibido(c);
    if (!cierre.empty()) {
      if (c == static_cast<unsigned char>(cierre[0]) && sigue(i, cierre)) cierre = {};
    } else if (c == '<') {
      if (sigue(siguiente, "!--")) {
        cierre = "-->";
      } else if (sigue(siguiente, "![CDATA[")) {
        cierre = "]]>";
      } else if (sigue(siguiente, "?")) {
        cierre = "?>";
      }
    } else if (c == '&' && sigue(siguiente, "#")) {
      std::size_t j = lector.En(siguiente).second;  // after the '#'
      const bool hexadecimal = sigue(j, "x");
      if (hexadecimal) j = lector.En(j).second;
      std::uint64_t valor = 0;
      int cifras = 0;
      for (; !lector.Fin(j); ++cifras) {
        const auto [d, despues] = lector.En(j);
        const int cifra = d >= '0' && d <= '9'                  ? static_cast<int>(d - '0')
                          : hexadecimal && d >= 'a' && d <= 'f' ? static_cast<int>(d - 'a' + 10)
                          : hexadecimal && d >= 'A' && d <= 'F' ? static_cast<int>(d - 'A' + 10)
                                                                : -1;
        if (cifra < 0) break;
        valor = std::min<std::uint64_t>(valor * (hexadecimal ? 16 : 10) + cifra, 0xFFFFFFFF);
        j = despues;
      }
      if (cifras > 0 && !Permitido(static_cast<char32_t>(valor)))
        throw prohibido(static_cast<char32_t>(valor));
    }
    i = siguiente;
  }
}

}  // namespace

std::string_view NombreLocal(const char* nombre) { return Partir(nombre).second; }

Nombres::Nombres(pugi::xml_node raiz) {
  Declarar(raiz);
  Calcular();
}

bool Nombres::DeclaraEspacios(pugi::xml_node elemento) {
  for (const auto atributo : elemento.attributes()) {
    if (std::strncmp(atributo.name(), "xmlns", 5) == 0) return true;
  }
  return false;
}

Nombres Nombres::Dentro(pugi::xml_node elemento) const {
  Nombres dentro = *this;
  dentro.Declarar(elemento);
  dentro.Calcular();
  return dentro;
}

void Nombres::Declarar(pugi::xml_node elemento) {
  for (const auto atributo : elemento.attributes()) {
    const std::string_view nombre = atributo.name();
    std::string prefijo;
    if (nombre == "xmlns") {
      prefijo = "";
    } else if (nombre.starts_with("xmlns:")) {
      prefijo = std::string(nombre.substr(6));
    } else {
      continue;
    }
    const auto existente = std::find_if(prefijos_.begin(), prefijos_.end(),
                                        [&](const auto& par) { return par.first == prefijo; });
    if (existente != prefijos_.end()) {
      existente->second = atributo.value();
    } else {
      prefijos_.emplace_back(std::move(prefijo), atributo.value());
    }
  }
}

void Nombres::Calcular() {
  uriW_.clear();
  prefijoElementos_.clear();
  prefijoAtributos_.clear();
  bool elementosHallados = false;
  for (const auto& [prefijo, uri] : prefijos_) {
    if (!EsUriW(uri)) continue;
    if (uriW_.empty()) uriW_ = uri;
    if (!elementosHallados || prefijo == "w") {
      prefijoElementos_ = prefijo;
      elementosHallados = true;
    }
    if (!prefijo.empty() && (prefijoAtributos_.empty() || prefijo == "w"))
      prefijoAtributos_ = prefijo;
  }
}

const std::string* Nombres::Uri(std::string_view prefijo) const {
  for (const auto& [p, uri] : prefijos_) {
    if (p == prefijo) return &uri;
  }
  return nullptr;
}

bool Nombres::EsW(std::string_view prefijo) const {
  if (uriW_.empty()) return false;
  if (prefijo == prefijoElementos_ || (!prefijo.empty() && prefijo == prefijoAtributos_)) {
    return true;
  }
  const std::string* uri = Uri(prefijo);
  return uri != nullptr && EsUriW(*uri);
}

Etiqueta Nombres::Clasificar(const char* nombre) const {
  const auto [prefijo, local] = Partir(nombre);
  return EsW(prefijo) ? EtiquetaW(local) : Etiqueta::Ajena;
}

pugi::xml_attribute Nombres::Atributo(pugi::xml_node elemento, std::string_view local) const {
  for (const auto atributo : elemento.attributes()) {
    const auto [prefijo, nombre] = Partir(atributo.name());
    // Attributes without a prefix belong to no namespace.
    if (nombre == local && !prefijo.empty() && EsW(prefijo)) return atributo;
  }
  return {};
}

std::string Nombres::Elemento(std::string_view local) const {
  return prefijoElementos_.empty() ? std::string(local)
                                   : prefijoElementos_ + ":" + std::string(local);
}

std::string Nombres::NombreAtributo(std::string_view local) const {
  return prefijoAtributos_.empty() ? std::string(local)
                                   : prefijoAtributos_ + ":" + std::string(local);
}

Nombres Nombres::AsegurarPrefijo(pugi::xml_node raiz) {
  Nombres nombres(raiz);
  if (nombres.HayPrefijoAtributos() || !nombres.TieneW()) return nombres;
  std::string prefijo = "w";
  for (int n = 1; nombres.Uri(prefijo) != nullptr; ++n) prefijo = "w" + std::to_string(n);
  raiz.append_attribute(("xmlns:" + prefijo).c_str()).set_value(nombres.uriW_.c_str());
  return Nombres(raiz);
}

ParteXml::ParteXml(std::string nombre, std::string bytes)
    : nombre_(std::move(nombre)), bytes_(std::move(bytes)) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes_.data());
  bom_ = (bytes_.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) ||
         (bytes_.size() >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF)));
  const auto resultado = doc_.load_buffer(bytes_.data(), bytes_.size(), kOpcionesLectura);
  if (!resultado) {
    throw ErrorDocx("El documento .docx está dañado: la parte «" + nombre_ +
                    "» no es XML bien formado (posición " + std::to_string(resultado.offset) + ")");
  }
  codificacion_ = resultado.encoding;
  ComprobarCaracteres(bytes_, codificacion_, nombre_);
  for (const auto nodo : doc_.children()) {
    if (nodo.type() == pugi::node_doctype) {
      throw ErrorDocx("El documento .docx no se abre por seguridad: la parte «" + nombre_ +
                      "» tiene una declaración DOCTYPE, que el formato no admite");
    }
  }
  if (!doc_.document_element()) {
    throw ErrorDocx("El documento .docx está dañado: la parte «" + nombre_ + "» está vacía");
  }
}

std::string ParteXml::Serializar(std::size_t anadidos) const {
  Escritor escritor;
  escritor.texto.reserve(bytes_.size() + anadidos);
  unsigned opciones = pugi::format_raw | pugi::format_no_declaration;
  if (bom_) opciones |= pugi::format_write_bom;
  doc_.save(escritor, "", opciones, codificacion_);
  return std::move(escritor.texto);
}

std::string ParteXml::TextoUtf8() const {
  if (codificacion_ == pugi::encoding_utf8) return bytes_;
  Escritor escritor;
  doc_.save(escritor, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return std::move(escritor.texto);
}

std::string ParteXml::Codificar(std::string utf8) const {
  if (codificacion_ == pugi::encoding_utf8) return utf8;
  pugi::xml_document doc;
  if (!doc.load_buffer(utf8.data(), utf8.size(), kOpcionesLectura, pugi::encoding_utf8)) {
    throw ErrorDocx("No se puede guardar el documento: la parte «" + nombre_ +
                    "» no se pudo recodificar");
  }
  Escritor escritor;
  unsigned opciones = pugi::format_raw | pugi::format_no_declaration;
  if (bom_) opciones |= pugi::format_write_bom;
  doc.save(escritor, "", opciones, codificacion_);
  return std::move(escritor.texto);
}

namespace {

std::string Escapar(std::string_view texto, bool atributo) {
  std::string salida;
  salida.reserve(texto.size());
  for (const char c : texto) {
    switch (c) {
      case '&':
        salida += "&amp;";
        break;
      case '<':
        salida += "&lt;";
        break;
      case '>':
        salida += "&gt;";
        break;
      case '"':
        salida += atributo ? "&quot;" : "\"";
        break;
      case '\t':
        salida += atributo ? "&#9;" : "\t";
        break;
      case '\n':
        salida += atributo ? "&#10;" : "\n";
        break;
      case '\r':
        salida += "&#13;";
        break;
      default:
        salida += c;
        break;
    }
  }
  return salida;
}

}  // namespace

std::string Imprimir(pugi::xml_node elemento) {
  Escritor escritor;
  elemento.print(escritor, "", pugi::format_raw);
  return std::move(escritor.texto);
}

void ComprobarTextoXml(std::string_view texto) {
  const std::u16string utf16 = texto::Utf8AUtf16(texto);
  bool valido = texto::Utf16AUtf8(utf16) == texto;
  for (const char16_t c : utf16) {
    valido = valido && (c >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r') && c != 0xFFFE &&
             c != 0xFFFF;
  }
  if (!valido) {
    throw ErrorDocx(
        "No se puede guardar el documento: un comentario tiene caracteres que un .docx no admite");
  }
}

std::string EscaparTexto(std::string_view texto) { return Escapar(texto, false); }
std::string EscaparAtributo(std::string_view texto) { return Escapar(texto, true); }

Estructura Estructurar(std::string_view xml) {
  Estructura e;
  std::size_t pos = 0;
  // The prolog: byte order mark, declaration, comments, processing instructions.
  for (;;) {
    pos = xml.find('<', pos);
    if (pos == std::string_view::npos) throw ErrorDocx("XML sin elemento raíz");
    if (xml.compare(pos, 2, "<?") != 0 && xml.compare(pos, 4, "<!--") != 0) break;
    pos = SaltarMarca(xml, pos);
  }
  const std::size_t finRaiz = SaltarMarca(xml, pos);
  e.vacia = xml[finRaiz - 2] == '/';
  e.finEtiquetaRaiz = finRaiz - (e.vacia ? 2 : 1);
  if (e.vacia) {
    e.cierre = e.finEtiquetaRaiz;
    return e;
  }
  pos = finRaiz;
  int profundidad = 1;
  std::size_t inicioHijo = 0;
  for (;;) {
    pos = xml.find('<', pos);
    if (pos == std::string_view::npos) throw ErrorDocx("XML incompleto");
    const std::size_t fin = SaltarMarca(xml, pos);
    const bool marca = xml.compare(pos, 2, "<!") == 0 || xml.compare(pos, 2, "<?") == 0;
    if (!marca && xml[pos + 1] == '/') {
      if (profundidad == 1) {
        e.cierre = pos;
        return e;
      }
      if (--profundidad == 1) e.hijos.emplace_back(inicioHijo, fin);
    } else if (!marca) {
      const bool autocerrado = xml[fin - 2] == '/';
      if (profundidad == 1) inicioHijo = pos;
      if (autocerrado) {
        if (profundidad == 1) e.hijos.emplace_back(pos, fin);
      } else {
        ++profundidad;
      }
    }
    pos = fin;
  }
}

void Empalme::Reemplazar(std::size_t inicio, std::size_t fin, std::string nuevo) {
  cambios_.push_back({inicio, fin, cambios_.size(), std::move(nuevo)});
}

std::string Empalme::Resultado() const {
  auto orden = cambios_;
  std::sort(orden.begin(), orden.end(), [](const Cambio& a, const Cambio& b) {
    return a.inicio != b.inicio ? a.inicio < b.inicio : a.orden < b.orden;
  });
  std::string salida;
  salida.reserve(texto_.size());
  std::size_t pos = 0;
  for (const auto& cambio : orden) {
    if (cambio.inicio < pos) throw ErrorDocx("Ediciones solapadas en una parte XML");
    salida.append(texto_, pos, cambio.inicio - pos);
    salida += cambio.nuevo;
    pos = cambio.fin;
  }
  salida.append(texto_, pos, std::string::npos);
  return salida;
}

void AnadirAlFinal(Empalme& empalme, const Estructura& e, std::string_view nombreRaiz,
                   std::string contenido) {
  if (e.vacia) {
    empalme.Reemplazar(e.cierre, e.cierre + 2,
                       ">" + contenido + "</" + std::string(nombreRaiz) + ">");
  } else {
    empalme.Insertar(e.cierre, std::move(contenido));
  }
}

}  // namespace quillora::docx
