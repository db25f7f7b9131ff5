#include "edicion.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <set>
#include <span>
#include <unordered_map>

#include "common/texto_unicode.h"
#include "documento_docx.h"

namespace quillora::docx {

namespace {

[[noreturn]] void ErrorInterno(const std::string& detalle) {
  throw ErrorDocx("No se puede guardar el documento sin dañarlo: " + detalle);
}

// Visits the elements below `raiz` (included) in document order without recursion; the visit
// answers whether to go into the element.
template <class Visita>
void CadaElemento(pugi::xml_node raiz, Visita visita) {
  for (auto nodo = raiz; nodo;) {
    const bool entrar = nodo.type() == pugi::node_element && visita(nodo);
    if (auto hijo = nodo.first_child(); entrar && hijo) {
      nodo = hijo;
      continue;
    }
    while (nodo != raiz && !nodo.next_sibling()) nodo = nodo.parent();
    if (nodo == raiz) break;
    nodo = nodo.next_sibling();
  }
}

pugi::xml_node SiguienteElemento(pugi::xml_node nodo) {
  for (nodo = nodo.next_sibling(); nodo && nodo.type() != pugi::node_element;
       nodo = nodo.next_sibling()) {
  }
  return nodo;
}

pugi::xml_node AnteriorElemento(pugi::xml_node nodo) {
  for (nodo = nodo.previous_sibling(); nodo && nodo.type() != pugi::node_element;
       nodo = nodo.previous_sibling()) {
  }
  return nodo;
}

}  // namespace

// Anchors are taken as leaves and run properties are not searched, so that removing an anchor or
// an emptied run never frees a node still listed.
bool QuitarAnclas(pugi::xml_node raiz, const std::set<std::string>& ids) {
  const Nombres nombres(raiz);
  const auto tipo = [&](pugi::xml_node nodo) { return nombres.Clasificar(nodo.name()); };
  std::vector<pugi::xml_node> anclas;
  CadaElemento(raiz, [&](pugi::xml_node elemento) {
    const auto t = tipo(elemento);
    const bool ancla = t == Etiqueta::CommentRangeStart || t == Etiqueta::CommentRangeEnd ||
                       t == Etiqueta::CommentReference;
    if (ancla && ids.contains(nombres.Atributo(elemento, "id").value())) anclas.push_back(elemento);
    return !ancla && t != Etiqueta::RPr;
  });
  std::vector<pugi::xml_node> runs;
  std::set<pugi::xml_node> vistos;
  for (const auto ancla : anclas) {
    auto padre = ancla.parent();
    if (tipo(ancla) == Etiqueta::CommentReference && tipo(padre) == Etiqueta::R &&
        vistos.insert(padre).second) {
      runs.push_back(padre);
    }
    padre.remove_child(ancla);
  }
  // A run left with nothing but its properties was the reference's own run.
  std::for_each(runs.rbegin(), runs.rend(), [&](pugi::xml_node run) {
    bool vacio = true;
    for (auto hijo = run.first_child(); hijo; hijo = hijo.next_sibling()) {
      if (hijo.type() == pugi::node_element && tipo(hijo) != Etiqueta::RPr) vacio = false;
    }
    if (vacio) run.parent().remove_child(run);
  });
  return !anclas.empty();
}

namespace {

// Where new nodes go: before `antes` in `padre`, or at its end.
struct Lugar {
  pugi::xml_node padre;
  pugi::xml_node antes;

  pugi::xml_node Insertar(const std::string& nombre) const {
    pugi::xml_node destino = padre;
    auto nodo = antes ? destino.insert_child_before(pugi::node_element, antes)
                      : destino.append_child(pugi::node_element);
    nodo.set_name(nombre.c_str());
    return nodo;
  }
};

// A piece as the edit leaves it: its first node in its run (none when it became empty).
struct PiezaXml {
  pugi::xml_node primero;
  std::int32_t inicio = 0;
  std::int32_t largo = 0;
};

class Editor {
 public:
  Editor(ParteXml& documento, const Recorrido& recorrido, const PlanDocumento& plan)
      : recorrido_(recorrido),
        plan_(plan),
        nombres_(Nombres::AsegurarPrefijo(documento.Raiz())),
        raiz_(documento.Raiz()) {}

  std::set<std::string> Ejecutar() {
    if (!plan_.borrar.empty()) QuitarAnclas(raiz_, plan_.borrar);
    Reescribir();
    IndexarEncierros();
    return Anclar();
  }

 private:
  // Element and attribute names with the part's prefix, made once: a save names thousands of
  // nodes. The keys are the literals the editor names them by.
  const std::string& N(std::string_view local) const {
    auto [nombre, nuevo] = elementos_.try_emplace(local);
    if (nuevo) nombre->second = nombres_.Elemento(local);
    return nombre->second;
  }
  const std::string& A(std::string_view local) const {
    auto [nombre, nuevo] = atributos_.try_emplace(local);
    if (nuevo) nombre->second = nombres_.NombreAtributo(local);
    return nombre->second;
  }
  Etiqueta Tipo(pugi::xml_node nodo) const { return nombres_.Clasificar(nodo.name()); }

  std::int32_t InicioRegion(std::size_t parrafo) const {
    return parrafo == 0 ? 0 : plan_.marcas[parrafo - 1] + 1;
  }
  std::size_t PrimeraPieza(std::size_t parrafo) const {
    return parrafo == 0 ? 0 : recorrido_.marcas[parrafo - 1].piezasAntes;
  }

  // Sets a w:t's text, with xml:space="preserve" when its blanks need it.
  static void FijarTexto(pugi::xml_node t, const std::string& utf8) {
    while (t.first_child()) t.remove_child(t.first_child());
    if (!utf8.empty()) t.append_child(pugi::node_pcdata).set_value(utf8.c_str());
    if (NecesitaPreservar(utf8)) {
      auto espacio = t.attribute("xml:space");
      if (!espacio) espacio = t.append_attribute("xml:space");
      espacio.set_value("preserve");
    }
  }

  static std::string TextoDe(pugi::xml_node t) {
    std::string utf8;
    for (auto hijo = t.first_child(); hijo; hijo = hijo.next_sibling()) {
      if (hijo.type() == pugi::node_pcdata || hijo.type() == pugi::node_cdata) utf8 += hijo.value();
    }
    return utf8;
  }

  // Bytes of the UTF-8 sequence a lead byte starts (the parts hold well-formed UTF-8), and the
  // UTF-16 units of its character.
  static std::size_t BytesDeCaracter(char inicial) {
    const auto byte = static_cast<unsigned char>(inicial);
    return byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
  }
  static std::int32_t LargoUtf16(std::string_view utf8) {
    std::int32_t unidades = 0;
    for (std::size_t byte = 0; byte < utf8.size(); byte += BytesDeCaracter(utf8[byte]))
      unidades += BytesDeCaracter(utf8[byte]) == 4 ? 2 : 1;
    return unidades;
  }

  // Writes `texto` as run content at `lugar`; answers the first node written.
  pugi::xml_node Emitir(const Lugar& lugar, std::u16string_view texto) const {
    pugi::xml_node primero;
    for (const auto& segmento : Segmentar(texto)) {
      pugi::xml_node nodo;
      switch (segmento.tipo) {
        case TipoSegmento::Texto:
          nodo = lugar.Insertar(N("t"));
          FijarTexto(nodo, segmento.texto);
          break;
        case TipoSegmento::Tab:
          nodo = lugar.Insertar(N("tab"));
          break;
        case TipoSegmento::SaltoLinea:
          nodo = lugar.Insertar(N("br"));
          break;
        case TipoSegmento::SaltoPagina:
          nodo = lugar.Insertar(N("br"));
          nodo.append_attribute(A("type").c_str()).set_value("page");
          break;
        case TipoSegmento::GuionDuro:
          nodo = lugar.Insertar(N("noBreakHyphen"));
          break;
        case TipoSegmento::GuionOpcional:
          nodo = lugar.Insertar(N("softHyphen"));
          break;
      }
      if (!primero) primero = nodo;
    }
    return primero;
  }

  std::int32_t FinPieza(std::size_t pieza, std::size_t finParrafo, std::size_t parrafo) const {
    return pieza + 1 < finParrafo ? plan_.inicios[pieza + 1] : plan_.marcas[parrafo];
  }

  void Reescribir() {
    piezas_.resize(recorrido_.piezas.size());
    sinteticas_.resize(recorrido_.marcas.size());
    for (std::size_t parrafo = 0; parrafo < recorrido_.marcas.size(); ++parrafo) {
      const std::size_t primera = PrimeraPieza(parrafo);
      const std::size_t fin = recorrido_.marcas[parrafo].piezasAntes;
      for (std::size_t i = primera; i < fin; ++i) {
        const std::int32_t inicio = plan_.inicios[i];
        const std::int32_t largo = FinPieza(i, fin, parrafo) - inicio;
        piezas_[i] = {recorrido_.piezas[i].nodo, inicio, largo};
        if (plan_.cambiadas[i]) {
          piezas_[i].primero =
              ReescribirPieza(recorrido_.piezas[i].nodo, plan_.texto.substr(inicio, largo));
        }
      }
      const std::int32_t inicioRegion = InicioRegion(parrafo);
      if (primera == fin && plan_.marcas[parrafo] > inicioRegion) {
        const std::int32_t largo = plan_.marcas[parrafo] - inicioRegion;
        sinteticas_[parrafo] = {
            RunNuevo(recorrido_.marcas[parrafo].parrafo, plan_.texto.substr(inicioRegion, largo)),
            inicioRegion, largo};
      }
    }
  }

  pugi::xml_node ReescribirPieza(pugi::xml_node nodo, std::u16string_view texto) const {
    const auto segmentos = Segmentar(texto);
    if (Tipo(nodo) == Etiqueta::T && segmentos.size() <= 1 &&
        (segmentos.empty() || segmentos.front().tipo == TipoSegmento::Texto)) {
      FijarTexto(nodo, segmentos.empty() ? std::string() : segmentos.front().texto);
      return nodo;
    }
    const auto primero = Emitir({nodo.parent(), nodo}, texto);
    nodo.parent().remove_child(nodo);
    return primero;
  }

  // A run at the end of an empty paragraph, formatted as its paragraph mark.
  pugi::xml_node RunNuevo(pugi::xml_node parrafo, std::u16string_view texto) const {
    auto run = parrafo.append_child(pugi::node_element);
    run.set_name(N("r").c_str());
    for (auto pPr = parrafo.first_child(); pPr; pPr = pPr.next_sibling()) {
      if (Tipo(pPr) != Etiqueta::PPr) continue;
      for (auto rPr = pPr.first_child(); rPr; rPr = rPr.next_sibling()) {
        if (Tipo(rPr) != Etiqueta::RPr) continue;
        auto copia = run.append_copy(rPr);
        // Revision marks of the paragraph mark are not the run's.
        std::vector<pugi::xml_node> marcasRevision;
        for (auto hijo = copia.first_child(); hijo; hijo = hijo.next_sibling()) {
          const auto tipo = Tipo(hijo);
          if (tipo == Etiqueta::Ins || tipo == Etiqueta::Del || tipo == Etiqueta::MoveFrom ||
              tipo == Etiqueta::MoveTo || tipo == Etiqueta::RPrChange) {
            marcasRevision.push_back(hijo);
          }
        }
        for (const auto hijo : marcasRevision) copia.remove_child(hijo);
      }
    }
    return Emitir({run, {}}, texto);
  }

  // Where a comment's reference run goes when not right after its range: after the stretch
  // (by its index in the walk's list) the range ends in, or at the start of a paragraph.
  struct Destino {
    std::optional<std::size_t> encierro;
    std::optional<std::size_t> parrafo;
  };

  // The text a stretch covers now.
  std::pair<std::int32_t, std::int32_t> Tramo(const Encierro& encierro) const {
    const PiezaXml& ultima = piezas_[encierro.finPiezas - 1];
    return {piezas_[encierro.primeraPieza].inicio, ultima.inicio + ultima.largo};
  }

  // Of the stretches that close after `despues`, the last to close that holds the character
  // before `posicion`. Stretches end in the order they close, so those ending at or after the
  // position are the list's tail; of these, the last that starts before it is found in a tree
  // of least starts, without going through every stretch for every comment.
  std::optional<std::size_t> EncierroEn(std::int32_t posicion,
                                        std::optional<std::size_t> despues) const {
    const auto cola = std::lower_bound(tramos_.begin(), tramos_.end(), posicion,
                                       [](const std::pair<std::int32_t, std::int32_t>& t,
                                          std::int32_t p) { return t.second < p; });
    const auto desde = std::max(static_cast<std::size_t>(cola - tramos_.begin()),
                                despues ? *despues + 1 : std::size_t{0});
    return UltimoQueEmpiezaAntes(1, 0, hojas_, desde, posicion);
  }

  void IndexarEncierros() {
    for (const auto& encierro : recorrido_.encierros) tramos_.push_back(Tramo(encierro));
    while (hojas_ < tramos_.size()) hojas_ *= 2;
    minimos_.assign(2 * hojas_, std::numeric_limits<std::int32_t>::max());
    for (std::size_t i = 0; i < tramos_.size(); ++i) minimos_[hojas_ + i] = tramos_[i].first;
    for (std::size_t nodo = hojas_ - 1; nodo >= 1; --nodo)
      minimos_[nodo] = std::min(minimos_[2 * nodo], minimos_[2 * nodo + 1]);
  }

  // The last stretch from `desde` on, within the tree node covering [inicio, fin), that starts
  // before `posicion`.
  std::optional<std::size_t> UltimoQueEmpiezaAntes(std::size_t nodo, std::size_t inicio,
                                                   std::size_t fin, std::size_t desde,
                                                   std::int32_t posicion) const {
    if (fin <= desde || minimos_[nodo] >= posicion) return std::nullopt;
    if (fin - inicio == 1) return inicio;
    const std::size_t mitad = (inicio + fin) / 2;
    if (auto derecha = UltimoQueEmpiezaAntes(2 * nodo + 1, mitad, fin, desde, posicion))
      return derecha;
    return UltimoQueEmpiezaAntes(2 * nodo, inicio, mitad, desde, posicion);
  }

  std::size_t ParrafoDe(std::int32_t posicion) const {
    return static_cast<std::size_t>(
        std::lower_bound(plan_.marcas.begin(), plan_.marcas.end(), posicion) -
        plan_.marcas.begin());
  }

  // Where the reference of a range ending at `fin` can go, or nothing when no place is safe.
  std::optional<Destino> DestinoReferencia(std::int32_t fin) const {
    Destino destino;
    std::int32_t posicion = fin;
    while (const auto encierro = EncierroEn(posicion, destino.encierro)) {
      destino.encierro = encierro;
      posicion = Tramo(recorrido_.encierros[*encierro]).second;
    }
    const std::size_t parrafo =
        destino.encierro ? recorrido_.encierros[*destino.encierro].parrafo : ParrafoDe(fin);
    if (parrafo >= recorrido_.marcas.size() || !recorrido_.marcas[parrafo].primeroDeControl) {
      return destino;
    }
    for (std::size_t siguiente = parrafo + 1; siguiente < recorrido_.marcas.size(); ++siguiente) {
      if (!recorrido_.marcas[siguiente].primeroDeControl &&
          !EncierroEn(InicioRegion(siguiente), std::nullopt)) {
        return Destino{std::nullopt, siguiente};
      }
    }
    return std::nullopt;
  }

  Lugar LugarReferencia(const Destino& destino, const Lugar& trasElFin) const {
    if (destino.parrafo) {
      const auto parrafo = recorrido_.marcas[*destino.parrafo].parrafo;
      auto primero = parrafo.first_child();
      while (primero && (primero.type() != pugi::node_element || Tipo(primero) == Etiqueta::PPr))
        primero = primero.next_sibling();
      return {parrafo, primero};
    }
    if (destino.encierro) {
      const auto cierre = recorrido_.encierros[*destino.encierro].cierre;
      if (Tipo(cierre) == Etiqueta::FldChar) return CortarDespues(cierre);
      return {cierre.parent(), cierre.next_sibling()};
    }
    return trasElFin;
  }

  void InsertarReferencia(const Lugar& lugar, const std::string& id) const {
    auto run = lugar.Insertar(N("r"));
    if (!plan_.estiloReferencia.empty()) {
      auto estilo = run.append_child(N("rPr").c_str()).append_child(N("rStyle").c_str());
      estilo.append_attribute(A("val").c_str()).set_value(plan_.estiloReferencia.c_str());
    }
    run.append_child(N("commentReference").c_str())
        .append_attribute(A("id").c_str())
        .set_value(id.c_str());
  }

  // Comment anchors, grouped by position and placed from the end of the text backwards, so
  // that splitting a run never moves a place still to be used.
  std::set<std::string> Anclar() {
    struct Evento {
      std::int32_t posicion;
      int clase;  // 0 end (inner ranges first), 1 empty range, 2 start (outer ranges first)
      std::int32_t clave;
      const ComentarioAnclado* comentario;
      Destino destino;
    };
    std::set<std::string> sinAnclar;
    std::vector<Evento> eventos;
    eventos.reserve(2 * plan_.nuevos.size());
    for (const auto& comentario : plan_.nuevos) {
      const auto destino = DestinoReferencia(comentario.fin);
      if (!destino) {
        sinAnclar.insert(comentario.id);
        continue;
      }
      if (comentario.inicio == comentario.fin) {
        eventos.push_back({comentario.inicio, 1, 0, &comentario, *destino});
      } else {
        eventos.push_back({comentario.fin, 0, -comentario.inicio, &comentario, *destino});
        eventos.push_back({comentario.inicio, 2, -comentario.fin, &comentario, *destino});
      }
    }
    // From the last position to the first; at one position, in the order anchors are written.
    std::stable_sort(eventos.begin(), eventos.end(), [](const Evento& a, const Evento& b) {
      if (a.posicion != b.posicion) return a.posicion > b.posicion;
      return a.clase != b.clase ? a.clase < b.clase : a.clave < b.clave;
    });
    std::vector<std::int32_t> posiciones;
    for (auto evento = eventos.rbegin(); evento != eventos.rend(); ++evento) {
      if (posiciones.empty() || posiciones.back() != evento->posicion)
        posiciones.push_back(evento->posicion);
    }
    Partir(posiciones);
    std::optional<Lugar> lugar;
    for (std::size_t i = 0; i < eventos.size(); ++i) {
      const Evento& evento = eventos[i];
      if (i == 0 || eventos[i - 1].posicion != evento.posicion) lugar = LugarDe(evento.posicion);
      const std::string& id = evento.comentario->id;
      if (evento.clase != 0)
        lugar->Insertar(N("commentRangeStart"))
            .append_attribute(A("id").c_str())
            .set_value(id.c_str());
      if (evento.clase != 2) {
        lugar->Insertar(N("commentRangeEnd"))
            .append_attribute(A("id").c_str())
            .set_value(id.c_str());
        InsertarReferencia(LugarReferencia(evento.destino, *lugar), id);
      }
    }
    return sinAnclar;
  }

  // The place for anchors at `posicion`: right after the character before it, or before the
  // paragraph's first character at its start, or at the end of a paragraph without text.
  Lugar LugarDe(std::int32_t posicion) {
    const std::size_t parrafo = ParrafoDe(posicion);
    if (parrafo >= recorrido_.marcas.size()) ErrorInterno("una posición queda fuera del texto");
    const std::int32_t inicioRegion = InicioRegion(parrafo);
    const std::int32_t finRegion = plan_.marcas[parrafo];
    if (inicioRegion == finRegion) return {recorrido_.marcas[parrafo].parrafo, {}};
    if (posicion == inicioRegion) return CortarAntes(PiezaCon(parrafo, posicion).primero);
    const auto corte = cortes_.find(posicion);
    if (corte == cortes_.end()) ErrorInterno("una posición cae fuera de su pieza");
    return CortarDespues(corte->second);
  }

  // The piece holding the character before a position inside a paragraph's text, or none at the
  // start of a paragraph's text or in one without text.
  const PiezaXml* PiezaAntesDe(std::int32_t posicion) const {
    const std::size_t parrafo = ParrafoDe(posicion);
    if (parrafo >= recorrido_.marcas.size()) ErrorInterno("una posición queda fuera del texto");
    const std::int32_t inicioRegion = InicioRegion(parrafo);
    if (posicion == inicioRegion || inicioRegion == plan_.marcas[parrafo]) return nullptr;
    return &PiezaCon(parrafo, posicion - 1);
  }

  // Finds, for each position (ascending) inside a paragraph's text, the run element it follows,
  // cutting a w:t in two where a position falls inside it. Each w:t is read and cut once for all
  // the positions in it: cutting again for every anchor costs the square of a long run.
  void Partir(const std::vector<std::int32_t>& posiciones) {
    for (std::size_t i = 0; i < posiciones.size();) {
      const PiezaXml* pieza = PiezaAntesDe(posiciones[i]);
      std::size_t fin = i + 1;
      while (fin < posiciones.size() && pieza != nullptr && PiezaAntesDe(posiciones[fin]) == pieza)
        ++fin;
      if (pieza != nullptr) PartirPieza(*pieza, std::span(posiciones).subspan(i, fin - i));
      i = fin;
    }
  }

  void PartirPieza(const PiezaXml& pieza, std::span<const std::int32_t> posiciones) {
    std::int32_t acumulado = pieza.inicio;
    auto siguiente = posiciones.begin();
    for (auto nodo = pieza.primero; nodo && siguiente != posiciones.end();
         nodo = SiguienteElemento(nodo)) {
      const bool esTexto = Tipo(nodo) == Etiqueta::T;
      const std::string texto = esTexto ? TextoDe(nodo) : std::string();
      const std::int32_t largo = esTexto ? LargoUtf16(texto) : 1;
      // The positions inside this element cut it into consecutive w:t, at the bytes where their
      // characters start, found in one pass; the first piece keeps the node.
      std::vector<std::pair<std::int32_t, std::size_t>> cortes;  // position, byte
      std::int32_t unidad = acumulado;
      std::size_t byte = 0;
      for (; siguiente != posiciones.end() && *siguiente < acumulado + largo; ++siguiente) {
        for (; unidad < *siguiente; byte += BytesDeCaracter(texto[byte]))
          unidad += BytesDeCaracter(texto[byte]) == 4 ? 2 : 1;
        if (unidad != *siguiente) ErrorInterno("una posición parte un carácter");
        cortes.emplace_back(*siguiente, byte);
      }
      if (!cortes.empty()) {
        const std::string_view todo(texto);
        FijarTexto(nodo, std::string(todo.substr(0, cortes.front().second)));
        auto trozo = nodo;
        for (std::size_t i = 0; i < cortes.size(); ++i) {
          const auto [posicion, desde] = cortes[i];
          cortes_[posicion] = trozo;
          const std::size_t hasta = i + 1 < cortes.size() ? cortes[i + 1].second : todo.size();
          trozo = nodo.parent().insert_child_after(pugi::node_element, trozo);
          trozo.set_name(nodo.name());
          FijarTexto(trozo, std::string(todo.substr(desde, hasta - desde)));
        }
        nodo = trozo;
      }
      acumulado += largo;
      if (siguiente != posiciones.end() && *siguiente == acumulado) cortes_[*siguiente++] = nodo;
    }
    if (siguiente != posiciones.end()) ErrorInterno("una posición cae fuera de su pieza");
  }

  const PiezaXml& PiezaCon(std::size_t parrafo, std::int32_t caracter) const {
    if (sinteticas_[parrafo].primero) return sinteticas_[parrafo];
    const auto primera = piezas_.begin() + static_cast<std::ptrdiff_t>(PrimeraPieza(parrafo));
    const auto fin =
        piezas_.begin() + static_cast<std::ptrdiff_t>(recorrido_.marcas[parrafo].piezasAntes);
    const auto despues = std::upper_bound(
        primera, fin, caracter, [](std::int32_t c, const PiezaXml& p) { return c < p.inicio; });
    if (despues == primera || !(despues - 1)->primero) ErrorInterno("un carácter no tiene pieza");
    return *(despues - 1);
  }

  // A run after `run` with its attributes and properties, to receive part of its content.
  pugi::xml_node Mitad(pugi::xml_node run) const {
    auto mitad = run.parent().insert_child_after(pugi::node_element, run);
    mitad.set_name(run.name());
    for (const auto atributo : run.attributes()) mitad.append_copy(atributo);
    for (auto hijo = run.first_child(); hijo; hijo = hijo.next_sibling()) {
      if (hijo.type() != pugi::node_element) continue;
      if (Tipo(hijo) == Etiqueta::RPr) mitad.append_copy(hijo);
      break;
    }
    return mitad;
  }

  Lugar CortarDespues(pugi::xml_node nodo) const {
    const auto run = nodo.parent();
    if (!SiguienteElemento(nodo)) return {run.parent(), run.next_sibling()};
    auto mitad = Mitad(run);
    while (auto siguiente = nodo.next_sibling()) mitad.append_move(siguiente);
    return {run.parent(), mitad};
  }

  Lugar CortarAntes(pugi::xml_node nodo) const {
    const auto run = nodo.parent();
    const auto anterior = AnteriorElemento(nodo);
    if (!anterior || Tipo(anterior) == Etiqueta::RPr) return {run.parent(), run};
    auto mitad = Mitad(run);
    for (auto actual = nodo; actual;) {
      const auto siguiente = actual.next_sibling();
      mitad.append_move(actual);
      actual = siguiente;
    }
    return {run.parent(), mitad};
  }

  const Recorrido& recorrido_;
  const PlanDocumento& plan_;
  const Nombres nombres_;
  pugi::xml_node raiz_;
  std::vector<PiezaXml> piezas_;
  std::vector<PiezaXml> sinteticas_;  // per paragraph, the run given to a paragraph without text
  mutable std::unordered_map<std::string_view, std::string> elementos_;
  mutable std::unordered_map<std::string_view, std::string> atributos_;
  std::unordered_map<std::int32_t, pugi::xml_node> cortes_;
  std::vector<std::pair<std::int32_t, std::int32_t>> tramos_;  // per stretch, its text
  std::size_t hojas_ = 1;
  std::vector<std::int32_t>
      minimos_;  // tree of the stretches' least starts  // position → the element it follows
};

}  // namespace

std::set<std::string> EditarDocumento(ParteXml& documento, const Recorrido& recorrido,
                                      const PlanDocumento& plan) {
  return Editor(documento, recorrido, plan).Ejecutar();
}

std::int64_t MayorId(pugi::xml_node raiz) {
  const Nombres nombres(raiz);
  std::int64_t mayor = -1;
  CadaElemento(raiz, [&](pugi::xml_node elemento) {
    const std::string_view valor = nombres.Atributo(elemento, "id").value();
    std::int64_t id = 0;
    const auto [fin, error] = std::from_chars(valor.data(), valor.data() + valor.size(), id);
    if (error == std::errc() && fin == valor.data() + valor.size()) mayor = std::max(mayor, id);
    return true;
  });
  return mayor;
}

}  // namespace quillora::docx
