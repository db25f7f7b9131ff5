#include "documento_docx.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "archivo.h"
#include "comentarios.h"
#include "common/texto_unicode.h"
#include "edicion.h"
#include "memory_comment.h"
#include "memory_document.h"
#include "otras_partes.h"
#include "paquete.h"
#include "recorrido.h"
#include "relaciones.h"
#include "story.h"
#include "word/host_error.h"
#include "xml.h"

namespace quillora::docx {

namespace {

[[noreturn]] void ErrorInterno(const std::string& detalle) {
  throw ErrorDocx("No se puede guardar el documento sin dañarlo: " + detalle);
}

// A piece of the main text as a live stretch of the story; its text as last read or saved is
// `largo` characters from `origen` in the base text.
struct PiezaViva {
  PiezaViva(memory::Story& historia, std::int32_t inicio, std::int32_t largo)
      : tramo(historia, inicio, inicio + largo), origen(inicio), largo(largo) {}
  memory::LiveSpan tramo;
  std::int32_t origen;
  std::int32_t largo;
};

struct MarcaViva {
  MarcaViva(memory::Story& historia, std::int32_t posicion, std::size_t piezasAntes)
      : tramo(historia, posicion, posicion + 1), piezasAntes(piezasAntes) {}
  memory::LiveSpan tramo;
  std::size_t piezasAntes;
};

// A comment the file holds, as it was last read or saved.
struct Conocido {
  std::shared_ptr<memory::CommentData> datos;
  std::string id;
  std::string autor;
  std::string iniciales;
  std::string texto;
  bool fuera;  // anchored outside the main text, or nowhere
};

// The last second a four-digit year holds (9999-12-31T23:59:59Z), as a comment's date must.
constexpr std::int64_t kUltimoSegundo = 253402300799;

// The date new comments carry: SOURCE_DATE_EPOCH when set (reproducible output), else now. A
// value that is not a count of seconds within four-digit years is ignored, with a warning once.
std::string FechaComentarios() {
  std::time_t segundos = std::time(nullptr);
  if (const char* epoca = std::getenv("SOURCE_DATE_EPOCH"); epoca != nullptr && *epoca != '\0') {
    const std::string_view texto(epoca);
    std::int64_t valor = -1;
    const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (error == std::errc() && fin == texto.data() + texto.size() && valor >= 0 &&
        valor <= kUltimoSegundo) {
      segundos = static_cast<std::time_t>(valor);
    } else if (static std::string avisado; avisado != texto) {
      avisado = texto;
      std::cerr << "Aviso: SOURCE_DATE_EPOCH=«" << texto
                << "» no es un número de segundos entre 0 y " << kUltimoSegundo
                << "; se usa la fecha actual\n";
    }
  }
  std::tm utc{};
  gmtime_r(&segundos, &utc);
  std::array<char, 32> texto{};
  std::strftime(texto.data(), texto.size(), "%Y-%m-%dT%H:%M:%SZ", &utc);
  return texto.data();
}

// The scope a comment's anchors give, or nothing when none of them is in the main text.
std::optional<std::pair<std::int32_t, std::int32_t>> Alcance(const Anclas& anclas) {
  const std::int32_t inicio = anclas.inicio >= 0
                                  ? anclas.inicio
                                  : (anclas.referencia >= 0 ? anclas.referencia : anclas.fin);
  const std::int32_t fin =
      anclas.fin >= 0 ? anclas.fin : (anclas.referencia >= 0 ? anclas.referencia : inicio);
  if (inicio < 0) return std::nullopt;
  return std::pair{std::min(inicio, fin), std::max(inicio, fin)};
}

bool SegundaMitad(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Word reads comment numbers as 32-bit signed integers.
constexpr std::int64_t kMayorId = 2147483647;

// Gathers the numbers the elements of a part use (any w:id: comments, bookmarks, revisions).
void IdsEnUso(pugi::xml_node raiz, std::set<std::int64_t>& ids) {
  struct Recogida : pugi::xml_tree_walker {
    Recogida(pugi::xml_node raiz, std::set<std::int64_t>& ids) : nombres(raiz), ids(ids) {}
    bool for_each(pugi::xml_node& nodo) override {
      if (nodo.type() == pugi::node_element) Anotar(nodo);
      return true;
    }
    void Anotar(pugi::xml_node elemento) {
      const std::string_view valor = nombres.Atributo(elemento, "id").value();
      std::int64_t id = 0;
      const auto [fin, error] = std::from_chars(valor.data(), valor.data() + valor.size(), id);
      if (error == std::errc() && fin == valor.data() + valor.size()) ids.insert(id);
    }
    Nombres nombres;
    std::set<std::int64_t>& ids;
  } recogida(raiz, ids);
  recogida.Anotar(raiz);
  raiz.traverse(recogida);
}

// The parts of a package the host reads, parsed. The comments part a save wrote is read only
// when a later save needs it: a single save, the common case, never pays for it.
struct Lectura {
  std::unique_ptr<ParteXml> documento;
  Recorrido recorrido;
  std::unique_ptr<ParteXml> comentarios;
  std::vector<ComentarioXml> leidos;
  bool comentariosLeidos = false;
};

// The comments part, when there is one, into `lectura`.
void LeerParteComentarios(const Paquete& paquete, const Partes& partes, Lectura& lectura) {
  lectura.comentarios.reset();
  lectura.leidos.clear();
  lectura.comentariosLeidos = true;
  if (!partes.comentarios) return;
  lectura.comentarios =
      std::make_unique<ParteXml>(*partes.comentarios, paquete.Leer(*partes.comentarios));
  lectura.leidos = LeerComentarios(*lectura.comentarios);
  // Anchors and edits find a comment by its number: with two of one number, deleting one mark
  // would delete the other comment too.
  std::unordered_set<std::string> ids;
  for (const auto& comentario : lectura.leidos) {
    if (!ids.insert(comentario.id).second) {
      throw ErrorDocx(
          "El documento .docx no se puede tratar sin riesgo: tiene dos comentarios con el "
          "número " +
          comentario.id);
    }
  }
}

Lectura Leer(const Paquete& paquete, const Partes& partes) {
  Lectura lectura;
  lectura.documento = std::make_unique<ParteXml>(partes.principal, paquete.Leer(partes.principal));
  lectura.recorrido = RecorrerDocumento(*lectura.documento);
  LeerParteComentarios(paquete, partes, lectura);
  return lectura;
}

// Numbers for new comments, in document order: above every number in use while they fit, else
// the lowest ones no element uses.
std::vector<std::int64_t> NumerosNuevos(const Lectura& lectura, std::size_t cuantos) {
  std::int64_t mayor = MayorId(lectura.documento->Raiz());
  if (lectura.comentarios) mayor = std::max(mayor, MayorId(lectura.comentarios->Raiz()));
  std::vector<std::int64_t> numeros;
  if (mayor <= kMayorId - static_cast<std::int64_t>(cuantos)) {
    for (std::size_t n = 1; n <= cuantos; ++n)
      numeros.push_back(mayor + static_cast<std::int64_t>(n));
    return numeros;
  }
  std::set<std::int64_t> usados;
  IdsEnUso(lectura.documento->Raiz(), usados);
  if (lectura.comentarios) IdsEnUso(lectura.comentarios->Raiz(), usados);
  for (std::int64_t n = 0; numeros.size() < cuantos; ++n) {
    if (n > kMayorId) {
      throw ErrorDocx(
          "No se puede guardar el documento: no quedan números libres para sus comentarios");
    }
    if (!usados.contains(n)) numeros.push_back(n);
  }
  return numeros;
}

}  // namespace

class DocumentoDocx::Impl {
 public:
  explicit Impl(std::vector<std::uint8_t> bytes)
      : paquete_(std::move(bytes)), partes_(LocalizarPartes(paquete_)) {
    paquete_.FijarPrincipal(partes_.principal);
    lectura_ = Leer(paquete_, partes_);
    const Lectura& lectura = *lectura_;
    // The story takes the text the walk found, which ends with its last paragraph's mark. Which
    // reviewers a window shows is not kept in a .docx: its windows have no such views.
    std::u16string texto = std::exchange(lectura_->recorrido.texto, {});
    texto.resize(lectura.recorrido.marcas.empty()
                     ? 0
                     : static_cast<std::size_t>(lectura.recorrido.marcas.back().posicion) + 1);
    documento_ = memory::MemoryDocument::CreateFromText(std::move(texto), false);
    historia_ = documento_->MainStory();
    Basar(lectura.recorrido);
    // Comments in document order. Word's collection holds those anchored outside the main text
    // too: they stand where the main text refers to their note, or at its end.
    struct Anclado {
      const ComentarioXml* xml;
      std::pair<std::int32_t, std::int32_t> alcance;
      std::size_t orden;
      bool fuera;
    };
    std::vector<Anclado> anclados;
    const auto otras = AnclasEnOtrasPartes(paquete_, PartesConAnclas(paquete_, partes_));
    const std::int32_t final = historia_->Length() - 1;
    for (const auto& comentario : lectura.leidos) {
      const auto anclas = lectura.recorrido.anclas.find(comentario.id);
      if (anclas != lectura.recorrido.anclas.end()) {
        if (const auto alcance = Alcance(anclas->second)) {
          anclados.push_back({&comentario, *alcance, anclas->second.orden, false});
          continue;
        }
      }
      std::int32_t donde = final;
      if (const auto otra = otras.find(comentario.id); otra != otras.end()) {
        const auto nota = lectura.recorrido.notas.find(otra->second);
        if (nota != lectura.recorrido.notas.end()) donde = nota->second;
      }
      anclados.push_back(
          {&comentario, {donde, donde}, lectura.recorrido.anclas.size() + anclados.size(), true});
    }
    std::sort(anclados.begin(), anclados.end(), [](const Anclado& a, const Anclado& b) {
      return a.alcance.first != b.alcance.first ? a.alcance.first < b.alcance.first
                                                : a.orden < b.orden;
    });
    for (const auto& anclado : anclados) {
      auto datos =
          documento_->AddComment(anclado.alcance.first, anclado.alcance.second, anclado.xml->texto);
      datos->author = anclado.xml->autor;
      datos->initials = anclado.xml->iniciales;
      conocidos_.push_back(
          {datos, anclado.xml->id, datos->author, datos->initials, datos->Text(), anclado.fuera});
    }
    AcotarComentarios();
  }

  const std::shared_ptr<memory::MemoryDocument>& Documento() const { return documento_; }
  const std::vector<std::uint8_t>& Bytes() const { return paquete_.Bytes(); }
  std::size_t NoAnclados() const { return noAnclados_; }

  void Guardar(const std::filesystem::path* ruta, AvisoTemporal aviso) {
    Guardado guardado;
    try {
      guardado = Preparar();
      if (ruta != nullptr) {
        EscribirAtomicamente(*ruta, guardado.paquete ? guardado.paquete->Bytes() : paquete_.Bytes(),
                             aviso);
      }
    } catch (...) {
      // The kept tree may hold edits of the save that failed: the next one reads the file again.
      lectura_.reset();
      throw;
    }
    if (guardado.paquete) {
      paquete_ = std::move(*guardado.paquete);
      partes_ = std::move(guardado.partes);
      lectura_->recorrido = std::move(guardado.recorrido);
      Basar(lectura_->recorrido);
      lectura_->recorrido.texto = std::u16string();
      lectura_->comentarios.reset();
      lectura_->leidos = {};
      lectura_->comentariosLeidos = false;
      conocidos_ = std::move(guardado.conocidos);
    }
    AcotarComentarios();
    // What was not written goes from the document too, so that it shows what the file holds.
    for (const auto& comentario : guardado.noAnclados) {
      documento_->RemoveComment(*comentario);
      comentario->MarkDeleted();
    }
    noAnclados_ = guardado.noAnclados.size();
  }

 private:
  // What a save writes, and what the document becomes once it is written.
  struct Guardado {
    std::optional<Paquete> paquete;  // none when nothing changed
    Partes partes;
    Recorrido recorrido;
    std::vector<Conocido> conocidos;
    std::vector<std::shared_ptr<memory::CommentData>> noAnclados;
  };

  // New comments may take what the package leaves of the memory bound.
  void AcotarComentarios() {
    const std::uint64_t usado = std::min(paquete_.Estimacion(), Paquete::kMemoria);
    documento_->SetCommentBudget(Paquete::kMemoria - usado, Paquete::CosteComentario);
  }

  // Pieces and paragraph marks follow the story from the text a walk found, which is the
  // story's current text.
  void Basar(const Recorrido& recorrido) {
    piezas_.clear();
    marcas_.clear();
    for (const auto& pieza : recorrido.piezas)
      piezas_.emplace_back(*historia_, pieza.inicio, pieza.largo);
    for (const auto& marca : recorrido.marcas)
      marcas_.emplace_back(*historia_, marca.posicion, marca.piezasAntes);
    sinParrafos_ = recorrido.marcas.empty();
    // A body without paragraphs still has the final mark the in-memory Word gives every text.
    if (sinParrafos_) marcas_.emplace_back(*historia_, historia_->Length() - 1, 0);
    base_ = historia_->Text();
  }

  void ComprobarParrafos(const std::u16string& texto) const {
    const auto error = [] {
      return ErrorDocx(
          "No se puede guardar el documento: han cambiado sus párrafos (se añadieron o "
          "quitaron marcas de párrafo), y un .docx no puede recibir ese cambio sin dañarse");
    };
    std::int32_t anterior = -1;
    for (const auto& marca : marcas_) {
      const auto& tramo = marca.tramo;
      if (tramo.end != tramo.start + 1 || tramo.start <= anterior ||
          texto[static_cast<std::size_t>(tramo.start)] != u'\r') {
        throw error();
      }
      anterior = tramo.start;
    }
    if (static_cast<std::size_t>(std::count(texto.begin(), texto.end(), u'\r')) != marcas_.size() ||
        static_cast<std::size_t>(marcas_.back().tramo.end) != texto.size()) {
      throw error();
    }
    if (sinParrafos_ && texto.size() != 1) {
      throw ErrorDocx(
          "No se puede guardar el documento: no tiene ningún párrafo donde escribir el texto");
    }
  }

  // Where each piece's text now starts and whether it changed; answers whether any text did.
  bool PlanearTexto(const std::u16string& texto, PlanDocumento& plan) const {
    for (const auto& marca : marcas_) plan.marcas.push_back(marca.tramo.start);
    plan.inicios.resize(piezas_.size());
    plan.cambiadas.resize(piezas_.size());
    bool cambiado = false;
    for (std::size_t parrafo = 0; parrafo < marcas_.size(); ++parrafo) {
      const std::size_t primera = parrafo == 0 ? 0 : marcas_[parrafo - 1].piezasAntes;
      const std::size_t fin = marcas_[parrafo].piezasAntes;
      const std::int32_t inicioRegion = parrafo == 0 ? 0 : plan.marcas[parrafo - 1] + 1;
      // Text inserted between two pieces goes to the one before it; at a paragraph's start, to
      // its first piece.
      for (std::size_t i = primera; i < fin; ++i) {
        plan.inicios[i] =
            i == primera ? inicioRegion : std::max(inicioRegion, piezas_[i].tramo.start);
      }
      for (std::size_t i = primera; i < fin; ++i) {
        const std::int32_t hasta = i + 1 < fin ? plan.inicios[i + 1] : plan.marcas[parrafo];
        const std::u16string_view ahora =
            std::u16string_view(texto).substr(static_cast<std::size_t>(plan.inicios[i]),
                                              static_cast<std::size_t>(hasta - plan.inicios[i]));
        const std::u16string_view antes =
            std::u16string_view(base_).substr(static_cast<std::size_t>(piezas_[i].origen),
                                              static_cast<std::size_t>(piezas_[i].largo));
        plan.cambiadas[i] = ahora != antes;
        cambiado = cambiado || plan.cambiadas[i];
      }
      if (primera == fin && plan.marcas[parrafo] > inicioRegion) cambiado = true;
    }
    return cambiado;
  }

  // The comments gone (their ids into `borrar`), changed and new since the last read or save.
  struct CambiosComentarios {
    std::vector<ComentarioNuevo> reemplazar;
    std::vector<std::shared_ptr<memory::CommentData>> nuevos;
  };
  CambiosComentarios CompararComentarios(std::set<std::string>& borrar) const {
    const auto& lista = documento_->CommentList();
    std::unordered_set<const memory::CommentData*> enLista;
    for (const auto& comentario : lista) enLista.insert(comentario.get());
    std::unordered_map<const memory::CommentData*, const Conocido*> porDatos;
    for (const auto& conocido : conocidos_) {
      porDatos.emplace(conocido.datos.get(), &conocido);
      if (!enLista.contains(conocido.datos.get())) borrar.insert(conocido.id);
    }
    CambiosComentarios cambios;
    for (const auto& comentario : lista) {
      const auto conocido = porDatos.find(comentario.get());
      if (conocido == porDatos.end()) {
        cambios.nuevos.push_back(comentario);
      } else if (comentario->author != conocido->second->autor ||
                 comentario->initials != conocido->second->iniciales ||
                 comentario->Text() != conocido->second->texto) {
        cambios.reemplazar.push_back({conocido->second->id, comentario->author,
                                      comentario->initials, "", comentario->Text()});
      }
    }
    return cambios;
  }

  // The main part's tree as last read or saved: kept from the last read or save, or read again
  // after a save that failed; and the comments part, read when the last save wrote it.
  Lectura& Leida() {
    if (lectura_) {
      if (!lectura_->comentariosLeidos) LeerComentariosGuardados(*lectura_);
      return *lectura_;
    }
    Lectura lectura = Leer(paquete_, partes_);
    if (lectura.recorrido.texto != (sinParrafos_ ? std::u16string() : base_) ||
        lectura.recorrido.piezas.size() != piezas_.size() ||
        lectura.recorrido.marcas.size() != (sinParrafos_ ? 0 : marcas_.size())) {
      ErrorInterno("el documento leído de nuevo no coincide con el abierto");
    }
    lectura.recorrido.texto = std::u16string();
    lectura_ = std::move(lectura);
    return *lectura_;
  }

  // The comments part the last save wrote, which must hold every comment as that save left it.
  void LeerComentariosGuardados(Lectura& lectura) const {
    LeerParteComentarios(paquete_, partes_, lectura);
    ComprobarComentarios(lectura.leidos, conocidos_, {});
  }

  // Refuses comments read back that are not the ones known, or that hold one deleted.
  static void ComprobarComentarios(const std::vector<ComentarioXml>& leidos,
                                   const std::vector<Conocido>& conocidos,
                                   const std::set<std::string>& borrados) {
    std::unordered_map<std::string_view, const ComentarioXml*> escritos;
    for (const auto& comentario : leidos) escritos.emplace(comentario.id, &comentario);
    for (const auto& id : borrados) {
      if (escritos.contains(id)) ErrorInterno("queda rastro de un comentario eliminado");
    }
    for (const auto& conocido : conocidos) {
      const auto escrito = escritos.find(conocido.id);
      if (escrito == escritos.end() || escrito->second->autor != conocido.autor ||
          escrito->second->iniciales != conocido.iniciales ||
          escrito->second->texto != NormalizarSaltos(conocido.texto)) {
        ErrorInterno("un comentario no se escribió como está");
      }
    }
  }

  // A save edits the kept tree of the main part and is checked before it is accepted: the
  // edited tree is walked again, and every part written is read back and compared with what
  // was meant to be written.
  Guardado Preparar() {
    // A closed document has dropped its comments: saving it would delete them from the file.
    try {
      documento_->CheckOpen();
    } catch (const word::HostError&) {
      throw ErrorDocx("No se puede guardar el documento: está cerrado");
    }
    // Nothing in a save changes the story: its text is read where it lies.
    const std::u16string& texto = historia_->Text();
    ComprobarParrafos(texto);
    PlanDocumento plan;
    plan.texto = texto;
    const bool textoCambiado = PlanearTexto(texto, plan);
    const CambiosComentarios comentarios = CompararComentarios(plan.borrar);
    if (!textoCambiado && plan.borrar.empty() && comentarios.reemplazar.empty() &&
        comentarios.nuevos.empty()) {
      return {};
    }
    if (sinParrafos_ && !comentarios.nuevos.empty()) {
      throw ErrorDocx(
          "No se puede guardar el documento: no tiene ningún párrafo donde anclar un comentario");
    }

    Lectura& lectura = Leida();

    std::vector<Conocido> conocidos;
    for (const auto& conocido : conocidos_) {
      if (plan.borrar.contains(conocido.id)) continue;
      const auto& datos = *conocido.datos;
      conocidos.push_back({conocido.datos, conocido.id, datos.author, datos.initials, datos.Text(),
                           conocido.fuera});
    }
    std::vector<ComentarioNuevo> anadir;
    std::map<std::string, std::pair<std::int32_t, std::int32_t>> esperados;
    if (!comentarios.nuevos.empty()) {
      const auto numeros = NumerosNuevos(lectura, comentarios.nuevos.size());
      const std::string fecha = FechaComentarios();
      const std::int32_t ultimo = plan.marcas.back();
      anadir.reserve(comentarios.nuevos.size());
      conocidos.reserve(conocidos.size() + comentarios.nuevos.size());
      plan.nuevos.reserve(comentarios.nuevos.size());
      for (std::size_t n = 0; n < comentarios.nuevos.size(); ++n) {
        const auto& comentario = comentarios.nuevos[n];
        const std::string nuevoId = std::to_string(numeros[n]);
        // A scope past the last paragraph's text ends before its mark; a position inside a
        // surrogate pair widens the scope to the whole character.
        std::int32_t inicio = std::min(comentario->Scope().start, ultimo);
        std::int32_t fin = std::min(comentario->Scope().end, ultimo);
        if (inicio > 0 && SegundaMitad(texto[static_cast<std::size_t>(inicio)])) --inicio;
        if (SegundaMitad(texto[static_cast<std::size_t>(fin)])) ++fin;
        plan.nuevos.push_back({nuevoId, inicio, fin});
        esperados[nuevoId] = {inicio, fin};
        anadir.push_back(
            {nuevoId, comentario->author, comentario->initials, fecha, comentario->Text()});
        conocidos.push_back({comentario, nuevoId, comentario->author, comentario->initials,
                             anadir.back().texto, false});
      }
    }

    std::vector<CambioParte> cambios;
    std::vector<std::shared_ptr<memory::CommentData>> noAnclados;
    bool comentariosEditados = false;
    EstilosComentario estilos;
    if ((!anadir.empty() || !comentarios.reemplazar.empty()) && partes_.estilos) {
      estilos = BuscarEstilos(ParteXml(*partes_.estilos, paquete_.Leer(*partes_.estilos)));
    }
    // The main part is written again only when its text or its anchors change.
    const bool anclasEnPrincipal =
        !plan.nuevos.empty() ||
        std::any_of(plan.borrar.begin(), plan.borrar.end(),
                    [&](const auto& id) { return lectura.recorrido.anclas.contains(id); });
    if (textoCambiado || anclasEnPrincipal) {
      plan.estiloReferencia = estilos.referencia;
      const auto sinAnclar = EditarDocumento(*lectura.documento, lectura.recorrido, plan);
      // A mark's anchors and the runs split around them take a few hundred bytes.
      constexpr std::size_t kXmlPorMarca = 512;
      cambios.push_back(
          {partes_.principal, lectura.documento->Serializar(plan.nuevos.size() * kXmlPorMarca)});
      std::erase_if(anadir, [&](const auto& c) { return sinAnclar.contains(c.id); });
      for (const auto& id : sinAnclar) esperados.erase(id);
      std::erase_if(conocidos, [&](const Conocido& c) {
        if (!sinAnclar.contains(c.id)) return false;
        noAnclados.push_back(c.datos);
        return true;
      });
    }
    if (!plan.borrar.empty() || !comentarios.reemplazar.empty() || !anadir.empty()) {
      if (lectura.comentarios) {
        comentariosEditados = true;
        cambios.push_back({*partes_.comentarios,
                           EditarComentarios(*lectura.comentarios, lectura.leidos, plan.borrar,
                                             comentarios.reemplazar, anadir, estilos)});
      } else {
        AnadirParteComentarios(Nombres(lectura.documento->Raiz()), anadir, estilos, cambios);
      }
    }
    if (!plan.borrar.empty()) {
      QuitarExtensiones(lectura.leidos, plan.borrar, cambios);
      for (const auto& nombre : PartesConAnclas(paquete_, partes_)) {
        ParteXml parte(nombre, paquete_.Leer(nombre));
        if (QuitarAnclas(parte.Raiz(), plan.borrar))
          cambios.push_back({nombre, parte.Serializar()});
      }
    }
    // The old comments part goes before the package is written, to bound the memory it takes.
    lectura.comentarios.reset();
    lectura.leidos = {};
    lectura.comentariosLeidos = false;
    anadir = {};

    Guardado guardado;
    guardado.noAnclados = std::move(noAnclados);
    guardado.paquete.emplace(
        paquete_.Escribir(cambios, paquete_.Fecha(*paquete_.Buscar(partes_.principal))));
    cambios = {};
    guardado.partes = LocalizarPartes(*guardado.paquete);
    Comprobar(*lectura.documento, texto, conocidos, plan.borrar, esperados, guardado);
    // A part written whole by this host holds what was meant, as the package compared; one
    // edited in place may bind its names otherwise than they read, so it is read back.
    if (comentariosEditados) {
      Lectura comentariosEscritos;
      LeerParteComentarios(*guardado.paquete, guardado.partes, comentariosEscritos);
      ComprobarComentarios(comentariosEscritos.leidos, conocidos, plan.borrar);
    }
    guardado.conocidos = std::move(conocidos);
    return guardado;
  }

  // Creates the comments part, with its content type and its relationship from the main part.
  void AnadirParteComentarios(const Nombres& nombres, const std::vector<ComentarioNuevo>& anadir,
                              const EstilosComentario& estilos,
                              std::vector<CambioParte>& cambios) const {
    const auto barra = partes_.principal.rfind('/');
    const std::string carpeta =
        barra == std::string::npos ? "" : partes_.principal.substr(0, barra + 1);
    std::string nombre = "comments.xml";
    for (int n = 1; paquete_.Existe(carpeta + nombre); ++n)
      nombre = "comments" + std::to_string(n) + ".xml";
    const std::string parte = carpeta + nombre;
    cambios.push_back({parte, CrearComentarios(nombres.UriW(), anadir, estilos)});

    const ParteXml tipos(std::string(kTiposContenido), paquete_.Leer(kTiposContenido));
    const std::string prefijoTipos = PrefijoDe(tipos.Raiz().name());
    std::string anadidosTipos = "<" + prefijoTipos + "Override PartName=\"/" +
                                EscaparAtributo(parte) + "\" ContentType=\"" +
                                std::string(kContenidoComentarios) + "\"/>";
    if (!paquete_.Existe(partes_.relacionesPrincipal) &&
        TipoDeContenido(tipos, partes_.relacionesPrincipal) != kContenidoRelaciones) {
      anadidosTipos += "<" + prefijoTipos + "Override PartName=\"/" +
                       EscaparAtributo(partes_.relacionesPrincipal) + "\" ContentType=\"" +
                       std::string(kContenidoRelaciones) + "\"/>";
    }
    cambios.push_back({std::string(kTiposContenido), AnadirAlFinalDe(tipos, anadidosTipos)});

    const std::string tipo =
        std::string(nombres.Estricto() || partes_.estricto ? kRelacionesEstricto
                                                           : kRelacionesTransicional) +
        "comments";
    if (paquete_.Existe(partes_.relacionesPrincipal)) {
      const ParteXml rels(partes_.relacionesPrincipal, paquete_.Leer(partes_.relacionesPrincipal));
      std::set<std::string> ids;
      for (const auto& relacion : LeerRelaciones(rels, partes_.principal)) ids.insert(relacion.id);
      std::string id;
      for (std::size_t n = ids.size() + 1; id.empty() || ids.contains(id); ++n)
        id = "rId" + std::to_string(n);
      cambios.push_back(
          {partes_.relacionesPrincipal,
           AnadirAlFinalDe(rels, "<" + PrefijoDe(rels.Raiz().name()) + "Relationship Id=\"" + id +
                                     "\" Type=\"" + tipo + "\" Target=\"" +
                                     EscaparAtributo(nombre) + "\"/>")});
    } else {
      cambios.push_back(
          {partes_.relacionesPrincipal,
           "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
           "Id=\"rId1\" Type=\"" +
               tipo + "\" Target=\"" + EscaparAtributo(nombre) + "\"/></Relationships>"});
    }
  }

  static std::string PrefijoDe(std::string_view nombre) {
    const auto dos = nombre.find(':');
    return dos == std::string_view::npos ? "" : std::string(nombre.substr(0, dos + 1));
  }

  static std::string AnadirAlFinalDe(const ParteXml& parte, std::string contenido) {
    const std::string texto = parte.TextoUtf8();
    Empalme empalme(texto);
    AnadirAlFinal(empalme, Estructurar(texto), parte.Raiz().name(), std::move(contenido));
    return parte.Codificar(empalme.Resultado());
  }

  // Deleted comments leave the extension parts too: commentsExtended and commentsIds by the
  // paraId of the comment's last paragraph, commentsExtensible by the durableId commentsIds gave.
  void QuitarExtensiones(const std::vector<ComentarioXml>& leidos,
                         const std::set<std::string>& borrar,
                         std::vector<CambioParte>& cambios) const {
    std::set<std::string> paraIds;
    for (const auto& comentario : leidos) {
      if (borrar.contains(comentario.id) && !comentario.paraId.empty())
        paraIds.insert(comentario.paraId);
    }
    if (paraIds.empty()) return;
    auto quitar = [&](const std::optional<std::string>& parte, std::string_view elemento,
                      std::string_view clave, const std::set<std::string>& valores,
                      std::set<std::string>* otros) {
      if (!parte || valores.empty()) return;
      const ParteXml xml(*parte, paquete_.Leer(*parte));
      if (auto editada = QuitarEntradas(xml, elemento, clave, valores, "durableId", otros)) {
        cambios.push_back({*parte, std::move(*editada)});
      }
    };
    std::set<std::string> durables;
    quitar(partes_.extendidos, "commentEx", "paraId", paraIds, nullptr);
    quitar(partes_.ids, "commentId", "paraId", paraIds, &durables);
    quitar(partes_.extensibles, "commentExtensible", "durableId", durables, nullptr);
  }

  // Refuses the package about to be written unless a later open would find in it the text and
  // the anchors of the document in memory: the edited main part is walked again.
  static void Comprobar(
      const ParteXml& documento, const std::u16string& texto,
      const std::vector<Conocido>& conocidos, const std::set<std::string>& borrados,
      const std::map<std::string, std::pair<std::int32_t, std::int32_t>>& esperados,
      Guardado& guardado) {
    const Paquete& paquete = *guardado.paquete;
    Recorrido recorrido = RecorrerDocumento(documento, texto.size());
    const bool sinParrafos = recorrido.marcas.empty();
    if (recorrido.texto != (sinParrafos ? std::u16string() : texto)) {
      ErrorInterno("el texto escrito no es el del documento");
    }
    const auto otras = AnclasEnOtrasPartes(paquete, PartesConAnclas(paquete, guardado.partes));
    for (const auto& id : borrados) {
      if (recorrido.anclas.contains(id) || otras.contains(id)) {
        ErrorInterno("queda rastro de un comentario eliminado");
      }
    }
    for (const auto& conocido : conocidos) {
      const auto anclas = recorrido.anclas.find(conocido.id);
      if (anclas == recorrido.anclas.end() && !conocido.fuera) {
        ErrorInterno("un comentario no se escribió como está");
      }
      if (const auto esperado = esperados.find(conocido.id); esperado != esperados.end()) {
        const auto& a = anclas->second;
        if (a.inicio != esperado->second.first || a.fin != esperado->second.second ||
            a.referencia < a.fin) {
          ErrorInterno("un comentario nuevo no quedó anclado donde debía");
        }
      }
    }
    guardado.recorrido = std::move(recorrido);
  }

  Paquete paquete_;
  Partes partes_;
  std::optional<Lectura> lectura_;  // none after a save that failed
  std::shared_ptr<memory::MemoryDocument> documento_;
  std::shared_ptr<memory::Story> historia_;  // outlives the live stretches below
  std::u16string base_;
  std::deque<PiezaViva> piezas_;
  std::deque<MarcaViva> marcas_;
  bool sinParrafos_ = false;
  std::vector<Conocido> conocidos_;
  std::size_t noAnclados_ = 0;
};

DocumentoDocx::DocumentoDocx(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
DocumentoDocx::DocumentoDocx(DocumentoDocx&&) noexcept = default;
DocumentoDocx& DocumentoDocx::operator=(DocumentoDocx&&) noexcept = default;
DocumentoDocx::~DocumentoDocx() = default;

DocumentoDocx DocumentoDocx::Abrir(const std::filesystem::path& ruta) {
  return DocumentoDocx(std::make_unique<Impl>(LeerArchivo(ruta)));
}

DocumentoDocx DocumentoDocx::AbrirBytes(std::span<const std::uint8_t> bytes) {
  return DocumentoDocx(
      std::make_unique<Impl>(std::vector<std::uint8_t>(bytes.begin(), bytes.end())));
}

const std::shared_ptr<memory::MemoryDocument>& DocumentoDocx::Documento() const {
  return impl_->Documento();
}

void DocumentoDocx::Guardar(const std::filesystem::path& ruta, AvisoTemporal aviso) {
  impl_->Guardar(&ruta, aviso);
}

std::vector<std::uint8_t> DocumentoDocx::GuardarBytes() {
  impl_->Guardar(nullptr, nullptr);
  return impl_->Bytes();
}

std::size_t DocumentoDocx::NoAnclados() const { return impl_->NoAnclados(); }

}  // namespace quillora::docx
