#pragma once

#include <cstddef>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillora::docx {

inline constexpr std::string_view kUriW =
    "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr std::string_view kUriWEstricto =
    "http://purl.oclc.org/ooxml/wordprocessingml/main";

// The WordprocessingML elements the host tells apart; Otra is any other of that namespace and
// Ajena any element of another one.
enum class Etiqueta {
  Ajena,
  Otra,
  Document,
  Body,
  P,
  R,
  T,
  Tab,
  PTab,
  Br,
  Cr,
  NoBreakHyphen,
  SoftHyphen,
  Sym,
  FldChar,
  FldSimple,
  Hyperlink,
  Ins,
  MoveTo,
  Sdt,
  SdtContent,
  CustomXml,
  SmartTag,
  Tbl,
  Tr,
  Tc,
  Dir,
  Bdo,
  CommentRangeStart,
  CommentRangeEnd,
  CommentReference,
  Comment,
  Comments,
  RPr,
  PPr,
  RStyle,
  Style,
  Name,
  Del,
  MoveFrom,
  RPrChange,
};

// The namespace prefixes in scope at an element, enough to recognise WordprocessingML names
// whatever prefix (or default namespace) a producer chose, Transitional or Strict.
class Nombres {
 public:
  explicit Nombres(pugi::xml_node raiz);
  static bool DeclaraEspacios(pugi::xml_node elemento);
  // The names in scope inside `elemento`, which declares namespaces of its own.
  Nombres Dentro(pugi::xml_node elemento) const;

  Etiqueta Clasificar(const char* nombre) const;
  // The WordprocessingML attribute `local` of `elemento`, or an empty attribute.
  pugi::xml_attribute Atributo(pugi::xml_node elemento, std::string_view local) const;

  bool TieneW() const { return !uriW_.empty(); }
  bool Estricto() const { return uriW_ == kUriWEstricto; }
  const std::string& UriW() const { return uriW_; }
  // Names for new elements and attributes; without a prefix bound to WordprocessingML there is
  // no attribute prefix (see AsegurarPrefijo).
  std::string Elemento(std::string_view local) const;
  std::string NombreAtributo(std::string_view local) const;
  bool HayPrefijoAtributos() const { return !prefijoAtributos_.empty(); }
  const std::string& PrefijoAtributos() const { return prefijoAtributos_; }
  // Declares a prefix for WordprocessingML on `raiz` when it has none, so that attributes can
  // be written; answers the names in scope afterwards.
  static Nombres AsegurarPrefijo(pugi::xml_node raiz);

 private:
  Nombres() = default;
  void Declarar(pugi::xml_node elemento);
  void Calcular();
  const std::string* Uri(std::string_view prefijo) const;
  bool EsW(std::string_view prefijo) const;

  std::vector<std::pair<std::string, std::string>> prefijos_;  // "" is the default namespace
  std::string uriW_;
  std::string prefijoElementos_;  // "w" or "" when WordprocessingML is the default namespace
  std::string prefijoAtributos_;  // a non-empty prefix bound to WordprocessingML, or ""
};

// The local part of a qualified name.
std::string_view NombreLocal(const char* nombre);

// An XML part parsed for reading and editing. Parsing refuses what is not well-formed and any
// DOCTYPE (a .docx never has one, and entities must never be expanded or fetched). Output keeps
// the part's encoding and byte order mark.
class ParteXml {
 public:
  ParteXml(std::string nombre, std::string bytes);
  ParteXml(const ParteXml&) = delete;
  ParteXml& operator=(const ParteXml&) = delete;

  const std::string& Nombre() const { return nombre_; }
  // The part's size as read, in bytes: never fewer than the characters of its text.
  std::size_t Tamano() const { return bytes_.size(); }
  pugi::xml_node Raiz() const { return doc_.document_element(); }
  // The tree, written in the part's encoding, into room for the part as read and `anadidos`
  // bytes more: room reserved but never written is never touched, so it costs no memory.
  std::string Serializar(std::size_t anadidos = 0) const;
  // The part's text in UTF-8 for byte-level edits, and an edited text back in the encoding.
  std::string TextoUtf8() const;
  std::string Codificar(std::string utf8) const;

 private:
  std::string nombre_;
  std::string bytes_;
  pugi::xml_document doc_;
  pugi::xml_encoding codificacion_ = pugi::encoding_utf8;
  bool bom_ = false;
};

// One element as XML text, without the namespace declarations of its ancestors.
std::string Imprimir(pugi::xml_node elemento);

// Refuses (ErrorDocx) text an XML part cannot hold: invalid UTF-8 or control characters.
void ComprobarTextoXml(std::string_view texto);

std::string EscaparTexto(std::string_view texto);
std::string EscaparAtributo(std::string_view texto);

// Where the root element's parts lie in a part's UTF-8 text: its direct child elements, the end
// of its start tag and where content can be appended.
struct Estructura {
  std::size_t finEtiquetaRaiz = 0;  // at the '>' (or "/>") closing the root's start tag
  std::size_t cierre = 0;           // at "</root>", or at "/>" when the root is empty
  bool vacia = false;
  std::vector<std::pair<std::size_t, std::size_t>> hijos;
};
Estructura Estructurar(std::string_view xml);

// Edits of a text by byte ranges, applied at once; everything outside them stays as it was.
class Empalme {
 public:
  explicit Empalme(std::string texto) : texto_(std::move(texto)) {}
  void Reemplazar(std::size_t inicio, std::size_t fin, std::string nuevo);
  void Insertar(std::size_t posicion, std::string nuevo) {
    Reemplazar(posicion, posicion, std::move(nuevo));
  }
  bool Vacio() const { return cambios_.empty(); }
  std::string Resultado() const;

 private:
  struct Cambio {
    std::size_t inicio, fin, orden;
    std::string nuevo;
  };
  std::string texto_;
  std::vector<Cambio> cambios_;
};

// Appends `contenido` as the last children of the root whose structure is `e`.
void AnadirAlFinal(Empalme& empalme, const Estructura& e, std::string_view nombreRaiz,
                   std::string contenido);

}  // namespace quillora::docx
