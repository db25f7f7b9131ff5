#include "comentarios.h"

#include "common/texto_unicode.h"
#include "documento_docx.h"
#include "recorrido.h"

namespace quillora::docx {

namespace {

pugi::xml_attribute AtributoLocal(pugi::xml_node elemento, std::string_view local) {
  for (const auto atributo : elemento.attributes()) {
    if (NombreLocal(atributo.name()) == local) return atributo;
  }
  return {};
}

std::vector<pugi::xml_node> HijosElemento(pugi::xml_node raiz) {
  std::vector<pugi::xml_node> hijos;
  for (auto hijo = raiz.first_child(); hijo; hijo = hijo.next_sibling()) {
    if (hijo.type() == pugi::node_element) hijos.push_back(hijo);
  }
  return hijos;
}

// Writes WordprocessingML with the prefix a part binds, declaring it on each new element when
// the part has no prefix for it. Names are made once and tags appended in place: a processing
// run writes thousands of comments at once.
class EscritorW {
 public:
  EscritorW(std::string prefijo, std::string declaracion)
      : prefijo_(std::move(prefijo)), declaracion_(std::move(declaracion)) {}
  explicit EscritorW(const Nombres& nombres)
      : prefijo_(nombres.HayPrefijoAtributos() ? nombres.PrefijoAtributos() : "w"),
        declaracion_(nombres.HayPrefijoAtributos() ? "" : " xmlns:w=\"" + nombres.UriW() + "\"") {}

  std::string N(std::string_view local) const { return prefijo_ + ":" + std::string(local); }

  std::string Comentario(const ComentarioNuevo& c, const EstilosComentario& estilos) const {
    std::string xml;
    AnadirComentario(xml, c, estilos);
    return xml;
  }

  void AnadirComentario(std::string& xml, const ComentarioNuevo& c,
                        const EstilosComentario& estilos) const {
    ComprobarTextoXml(c.autor);
    ComprobarTextoXml(c.iniciales);
    Abrir(xml, "comment");
    xml += declaracion_;
    Atributo(xml, "id", c.id);
    Atributo(xml, "author", c.autor);
    Atributo(xml, "initials", c.iniciales);
    if (!c.fecha.empty()) Atributo(xml, "date", c.fecha);
    xml += '>';
    const std::u16string texto = texto::Utf8AUtf16(NormalizarSaltos(c.texto));
    std::size_t inicio = 0;
    bool primero = true;
    for (;;) {
      const auto fin = std::min(texto.find(u'\r', inicio), texto.size());
      Parrafo(xml, std::u16string_view(texto).substr(inicio, fin - inicio), primero, estilos);
      primero = false;
      if (fin == texto.size()) break;
      inicio = fin + 1;
    }
    Cerrar(xml, "comment");
  }

 private:
  void Nombre(std::string& xml, std::string_view local) const {
    xml += prefijo_;
    xml += ':';
    xml += local;
  }
  void Abrir(std::string& xml, std::string_view local) const {
    xml += '<';
    Nombre(xml, local);
  }
  void Cerrar(std::string& xml, std::string_view local) const {
    xml += "</";
    Nombre(xml, local);
    xml += '>';
  }
  void Vacio(std::string& xml, std::string_view local) const {
    Abrir(xml, local);
    xml += "/>";
  }
  void Atributo(std::string& xml, std::string_view local, const std::string& valor) const {
    xml += ' ';
    Nombre(xml, local);
    xml += "=\"";
    xml += EscaparAtributo(valor);
    xml += '"';
  }
  // <pPr><pStyle val="estilo"/></pPr>, or <rPr><rStyle .../></rPr>.
  void Estilo(std::string& xml, std::string_view propiedades, std::string_view estilo,
              const std::string& valor) const {
    Abrir(xml, propiedades);
    xml += '>';
    Abrir(xml, estilo);
    Atributo(xml, "val", valor);
    xml += "/>";
    Cerrar(xml, propiedades);
  }

  void Parrafo(std::string& xml, std::u16string_view texto, bool primero,
               const EstilosComentario& estilos) const {
    Abrir(xml, "p");
    xml += '>';
    if (!estilos.texto.empty()) Estilo(xml, "pPr", "pStyle", estilos.texto);
    if (primero) {
      Abrir(xml, "r");
      xml += '>';
      if (!estilos.referencia.empty()) Estilo(xml, "rPr", "rStyle", estilos.referencia);
      Vacio(xml, "annotationRef");
      Cerrar(xml, "r");
    }
    const auto segmentos = Segmentar(texto);
    if (!segmentos.empty()) {
      Abrir(xml, "r");
      xml += '>';
      for (const auto& segmento : segmentos) Segmento(xml, segmento);
      Cerrar(xml, "r");
    }
    Cerrar(xml, "p");
  }

  void Segmento(std::string& xml, const docx::Segmento& s) const {
    switch (s.tipo) {
      case TipoSegmento::Texto:
        Abrir(xml, "t");
        if (NecesitaPreservar(s.texto)) xml += " xml:space=\"preserve\"";
        xml += '>';
        xml += EscaparTexto(s.texto);
        Cerrar(xml, "t");
        break;
      case TipoSegmento::Tab:
        Vacio(xml, "tab");
        break;
      case TipoSegmento::SaltoLinea:
        Vacio(xml, "br");
        break;
      case TipoSegmento::SaltoPagina:
        Abrir(xml, "br");
        Atributo(xml, "type", "page");
        xml += "/>";
        break;
      case TipoSegmento::GuionDuro:
        Vacio(xml, "noBreakHyphen");
        break;
      case TipoSegmento::GuionOpcional:
        Vacio(xml, "softHyphen");
        break;
    }
  }

  std::string prefijo_;
  std::string declaracion_;
};

}  // namespace

std::string NormalizarSaltos(std::string_view texto) {
  std::string salida;
  salida.reserve(texto.size());
  for (std::size_t i = 0; i < texto.size(); ++i) {
    if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
    salida.push_back(texto[i] == '\n' ? '\r' : texto[i]);
  }
  return salida;
}

std::vector<ComentarioXml> LeerComentarios(const ParteXml& comentarios) {
  std::vector<ComentarioXml> leidos;
  const auto raiz = comentarios.Raiz();
  const Nombres nombres(raiz);
  const auto hijos = HijosElemento(raiz);
  for (std::size_t i = 0; i < hijos.size(); ++i) {
    const auto elemento = hijos[i];
    const Nombres propios = Nombres::DeclaraEspacios(elemento) ? nombres.Dentro(elemento) : nombres;
    if (propios.Clasificar(elemento.name()) != Etiqueta::Comment) continue;
    ComentarioXml comentario;
    comentario.id = propios.Atributo(elemento, "id").value();
    comentario.autor = propios.Atributo(elemento, "author").value();
    comentario.iniciales = propios.Atributo(elemento, "initials").value();
    comentario.fecha = propios.Atributo(elemento, "date").value();
    comentario.texto = TextoDeComentario(elemento, propios);
    for (const auto parrafo : HijosElemento(elemento)) {
      if (propios.Clasificar(parrafo.name()) == Etiqueta::P) {
        comentario.paraId = AtributoLocal(parrafo, "paraId").value();
      }
    }
    comentario.hijo = i;
    leidos.push_back(std::move(comentario));
  }
  return leidos;
}

EstilosComentario BuscarEstilos(const ParteXml& estilos) {
  EstilosComentario hallados;
  const Nombres nombres(estilos.Raiz());
  std::string porIdReferencia, porIdTexto;
  for (const auto estilo : HijosElemento(estilos.Raiz())) {
    if (nombres.Clasificar(estilo.name()) != Etiqueta::Style) continue;
    const std::string id = nombres.Atributo(estilo, "styleId").value();
    const std::string_view tipo = nombres.Atributo(estilo, "type").value();
    std::string nombre;
    for (const auto hijo : HijosElemento(estilo)) {
      if (nombres.Clasificar(hijo.name()) == Etiqueta::Name)
        nombre = nombres.Atributo(hijo, "val").value();
    }
    if (tipo == "character" && nombre == "annotation reference") hallados.referencia = id;
    if (tipo == "paragraph" && nombre == "annotation text") hallados.texto = id;
    if (tipo == "character" && id == "CommentReference") porIdReferencia = id;
    if (tipo == "paragraph" && id == "CommentText") porIdTexto = id;
  }
  if (hallados.referencia.empty()) hallados.referencia = porIdReferencia;
  if (hallados.texto.empty()) hallados.texto = porIdTexto;
  return hallados;
}

std::string EditarComentarios(const ParteXml& parte, const std::vector<ComentarioXml>& leidos,
                              const std::set<std::string>& borrar,
                              const std::vector<ComentarioNuevo>& reemplazar,
                              const std::vector<ComentarioNuevo>& nuevos,
                              const EstilosComentario& estilos) {
  const std::string texto = parte.TextoUtf8();
  const Estructura estructura = Estructurar(texto);
  const auto hijos = HijosElemento(parte.Raiz());
  if (hijos.size() != estructura.hijos.size()) {
    throw ErrorDocx(
        "No se puede guardar el documento: la parte de comentarios no se pudo analizar");
  }
  const EscritorW escritor(Nombres(parte.Raiz()));
  Empalme empalme(texto);
  for (const auto& comentario : leidos) {
    const auto [inicio, fin] = estructura.hijos[comentario.hijo];
    if (borrar.contains(comentario.id)) {
      empalme.Reemplazar(inicio, fin, "");
      continue;
    }
    for (const auto& nuevo : reemplazar) {
      if (nuevo.id != comentario.id) continue;
      if (NormalizarSaltos(nuevo.texto) == comentario.texto) {
        // Only author or initials changed: the comment's own XML stays, with new attributes.
        pugi::xml_document copia;
        auto elemento = copia.append_copy(hijos[comentario.hijo]);
        const Nombres nombres(parte.Raiz());
        for (const auto& [local, valor] :
             {std::pair<std::string_view, const std::string&>{"author", nuevo.autor},
              {"initials", nuevo.iniciales}}) {
          ComprobarTextoXml(valor);
          auto atributo = nombres.Atributo(elemento, local);
          if (!atributo) atributo = elemento.append_attribute(escritor.N(local).c_str());
          atributo.set_value(valor.c_str());
        }
        empalme.Reemplazar(inicio, fin, Imprimir(elemento));
      } else {
        empalme.Reemplazar(inicio, fin, escritor.Comentario(nuevo, estilos));
      }
    }
  }
  if (!nuevos.empty()) {
    std::string anadidos;
    for (const auto& nuevo : nuevos) escritor.AnadirComentario(anadidos, nuevo, estilos);
    AnadirAlFinal(empalme, estructura, parte.Raiz().name(), std::move(anadidos));
  }
  return parte.Codificar(empalme.Resultado());
}

std::string CrearComentarios(std::string_view uriW, const std::vector<ComentarioNuevo>& nuevos,
                             const EstilosComentario& estilos) {
  const EscritorW escritor("w", "");
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<w:comments xmlns:w=\"" +
      std::string(uriW) + "\">";
  // Room for thousands of marks at once, rather than growing through copies of megabytes.
  std::size_t largo = xml.size();
  for (const auto& nuevo : nuevos) largo += 512 + 2 * nuevo.texto.size();
  xml.reserve(largo);
  for (const auto& nuevo : nuevos) escritor.AnadirComentario(xml, nuevo, estilos);
  xml += "</w:comments>";
  return xml;
}

std::optional<std::string> QuitarEntradas(const ParteXml& parte, std::string_view elemento,
                                          std::string_view clave,
                                          const std::set<std::string>& valores,
                                          std::string_view otra, std::set<std::string>* otros) {
  const std::string texto = parte.TextoUtf8();
  const Estructura estructura = Estructurar(texto);
  const auto hijos = HijosElemento(parte.Raiz());
  if (hijos.size() != estructura.hijos.size()) {
    throw ErrorDocx("No se puede guardar el documento: la parte «" + parte.Nombre() +
                    "» no se pudo analizar");
  }
  Empalme empalme(texto);
  for (std::size_t i = 0; i < hijos.size(); ++i) {
    if (NombreLocal(hijos[i].name()) != elemento ||
        !valores.contains(AtributoLocal(hijos[i], clave).value())) {
      continue;
    }
    if (otros != nullptr) otros->insert(AtributoLocal(hijos[i], otra).value());
    empalme.Reemplazar(estructura.hijos[i].first, estructura.hijos[i].second, "");
  }
  if (empalme.Vacio()) return std::nullopt;
  return parte.Codificar(empalme.Resultado());
}

}  // namespace quillora::docx
