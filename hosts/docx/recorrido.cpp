#include "recorrido.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <optional>
#include <utility>

#include "common/texto_unicode.h"
#include "documento_docx.h"

namespace quillora::docx {

namespace {

// Deeper nesting than any real document has; it bounds the walk's recursion.
constexpr int kProfundidadMaxima = 256;

class Recorredor {
 public:
  explicit Recorredor(Recorrido& salida) : salida_(salida) {}

  void Hijos(pugi::xml_node elemento, const Nombres& nombres, int profundidad) {
    if (profundidad > kProfundidadMaxima) {
      throw ErrorDocx("El documento .docx no se abre: sus elementos están anidados a más de " +
                      std::to_string(kProfundidadMaxima) + " niveles");
    }
    for (auto hijo = elemento.first_child(); hijo; hijo = hijo.next_sibling()) {
      if (hijo.type() != pugi::node_element) continue;
      if (Nombres::DeclaraEspacios(hijo)) {
        Elemento(hijo, nombres.Dentro(hijo), profundidad + 1);
      } else {
        Elemento(hijo, nombres, profundidad + 1);
      }
    }
  }

 private:
  std::int32_t Posicion() const { return static_cast<std::int32_t>(salida_.texto.size()); }

  Anclas& AnclasDe(pugi::xml_node elemento, const Nombres& nombres) {
    const std::string id = nombres.Atributo(elemento, "id").value();
    auto [anclas, nueva] = salida_.anclas.try_emplace(id);
    if (nueva) anclas->second.orden = salida_.anclas.size();
    return anclas->second;
  }

  void Elemento(pugi::xml_node elemento, const Nombres& nombres, int profundidad) {
    switch (nombres.Clasificar(elemento.name())) {
      case Etiqueta::Body:
      case Etiqueta::Tbl:
      case Etiqueta::Tr:
      case Etiqueta::Tc:
      case Etiqueta::SdtContent:
      case Etiqueta::CustomXml:
      case Etiqueta::SmartTag:
      case Etiqueta::Hyperlink:
      case Etiqueta::Ins:
      case Etiqueta::MoveTo:
      case Etiqueta::Dir:
      case Etiqueta::Bdo:
        Hijos(elemento, nombres, profundidad);
        break;
      case Etiqueta::FldSimple: {
        const std::size_t primera = salida_.piezas.size();
        Hijos(elemento, nombres, profundidad);
        Encerrar(primera, elemento);
        break;
      }
      case Etiqueta::Sdt:
        if (enParrafo_ > 0) {
          const std::size_t primera = salida_.piezas.size();
          Hijos(elemento, nombres, profundidad);
          Encerrar(primera, elemento);
        } else {
          controlAbierto_ = true;
          Hijos(elemento, nombres, profundidad);
        }
        break;
      case Etiqueta::P: {
        const bool primero = std::exchange(controlAbierto_, false);
        ++enParrafo_;
        Hijos(elemento, nombres, profundidad);
        --enParrafo_;
        salida_.marcas.push_back({elemento, Posicion(), salida_.piezas.size(), primero});
        salida_.texto.push_back(u'\r');
        break;
      }
      case Etiqueta::R:
        if (enParrafo_ > 0) {
          Run(elemento, nombres);
        } else {
          AnclasOcultas(elemento, nombres);
        }
        break;
      case Etiqueta::CommentRangeStart: {
        auto& anclas = AnclasDe(elemento, nombres);
        if (anclas.inicio < 0) anclas.inicio = Posicion();
        break;
      }
      case Etiqueta::CommentRangeEnd: {
        auto& anclas = AnclasDe(elemento, nombres);
        if (anclas.fin < 0) anclas.fin = Posicion();
        break;
      }
      default:
        AnclasOcultas(elemento, nombres);
        break;
    }
  }

  // Comments anchored in what is not main text (deleted text, a text box) are placed where
  // that content sits, so that they can still be found and deleted.
  void AnclasOcultas(pugi::xml_node subarbol, const Nombres& nombres) {
    for (auto nodo = subarbol.first_child(); nodo;) {
      if (nodo.type() == pugi::node_element) {
        switch (nombres.Clasificar(nodo.name())) {
          case Etiqueta::CommentRangeStart:
          case Etiqueta::CommentRangeEnd:
          case Etiqueta::CommentReference: {
            auto& anclas = AnclasDe(nodo, nombres);
            const auto tipo = nombres.Clasificar(nodo.name());
            auto& posicion = tipo == Etiqueta::CommentRangeStart ? anclas.inicio
                             : tipo == Etiqueta::CommentRangeEnd ? anclas.fin
                                                                 : anclas.referencia;
            if (posicion < 0) posicion = Posicion();
            break;
          }
          default:
            break;
        }
      }
      if (auto hijo = nodo.first_child()) {
        nodo = hijo;
        continue;
      }
      while (nodo != subarbol && !nodo.next_sibling()) nodo = nodo.parent();
      if (nodo == subarbol) break;
      nodo = nodo.next_sibling();
    }
  }

  void Run(pugi::xml_node run, const Nombres& exterior) {
    std::optional<Nombres> propios;
    for (auto hijo = run.first_child(); hijo; hijo = hijo.next_sibling()) {
      if (hijo.type() != pugi::node_element) continue;
      const Nombres& nombres =
          Nombres::DeclaraEspacios(hijo) ? propios.emplace(exterior.Dentro(hijo)) : exterior;
      const Etiqueta tipo = nombres.Clasificar(hijo.name());
      switch (tipo) {
        case Etiqueta::T:
          if (Visible()) Texto(hijo);
          break;
        case Etiqueta::Tab:
        case Etiqueta::PTab:
          Caracter(hijo, u'\t');
          break;
        case Etiqueta::Br: {
          const std::string_view tipo = nombres.Atributo(hijo, "type").value();
          Caracter(hijo, tipo == "page" || tipo == "column" ? kSaltoPagina : kSaltoLinea);
          break;
        }
        case Etiqueta::Cr:
          Caracter(hijo, kSaltoLinea);
          break;
        case Etiqueta::NoBreakHyphen:
          Caracter(hijo, kGuionDuro);
          break;
        case Etiqueta::SoftHyphen:
          Caracter(hijo, kGuionOpcional);
          break;
        case Etiqueta::Sym:
          Caracter(hijo, Simbolo(nombres.Atributo(hijo, "char").value()));
          break;
        case Etiqueta::FldChar:
          Campo(nombres.Atributo(hijo, "fldCharType").value(), hijo);
          break;
        case Etiqueta::CommentReference: {
          auto& anclas = AnclasDe(hijo, nombres);
          if (anclas.referencia < 0) anclas.referencia = Posicion();
          break;
        }
        default:
          if (tipo == Etiqueta::Otra) Nota(hijo, nombres);
          AnclasOcultas(hijo, nombres);
          break;
      }
    }
  }

  void Nota(pugi::xml_node referencia, const Nombres& nombres) {
    const std::string_view local = NombreLocal(referencia.name());
    for (const std::string_view clase : {"footnote", "endnote"}) {
      if (local.size() == clase.size() + 9 && local.starts_with(clase) &&
          local.ends_with("Reference")) {
        salida_.notas.try_emplace(
            std::string(clase) + " " + nombres.Atributo(referencia, "id").value(), Posicion());
      }
    }
  }

  // A field's code (from begin to separate) is hidden; its result (to end) is text. Nested
  // fields stack, and text shows only when no open field is in its code.
  void Campo(std::string_view tipo, pugi::xml_node fldChar) {
    if (tipo == "begin") {
      campos_.push_back({true, 0});
      ++enCodigo_;
    } else if (tipo == "separate") {
      if (!campos_.empty() && campos_.back().enCodigo) {
        campos_.back() = {false, salida_.piezas.size()};
        --enCodigo_;
      }
    } else if (tipo == "end") {
      if (!campos_.empty()) {
        if (campos_.back().enCodigo) {
          --enCodigo_;
        } else {
          Encerrar(campos_.back().primeraPieza, fldChar);
        }
        campos_.pop_back();
      }
    }
  }

  void Encerrar(std::size_t primeraPieza, pugi::xml_node cierre) {
    if (salida_.piezas.size() > primeraPieza) {
      salida_.encierros.push_back(
          {primeraPieza, salida_.piezas.size(), cierre, salida_.marcas.size()});
    }
  }

  bool Visible() const { return enCodigo_ == 0; }

  static char16_t Simbolo(std::string_view hex) {
    unsigned valor = 0;
    const auto [fin, error] = std::from_chars(hex.data(), hex.data() + hex.size(), valor, 16);
    const bool valido = error == std::errc() && fin == hex.data() + hex.size() && valor >= 0x20 &&
                        valor <= 0xFFFD && (valor < 0xD800 || valor > 0xDFFF);
    return valido ? static_cast<char16_t>(valor) : u'\uFFFD';
  }

  void Caracter(pugi::xml_node nodo, char16_t caracter) {
    if (!Visible()) return;
    salida_.piezas.push_back({nodo, Posicion(), 1});
    salida_.texto.push_back(caracter);
  }

  void Texto(pugi::xml_node t) {
    // A w:t holds one run of character data but for comments or CDATA sections: that one is
    // converted where it lies, as a run may hold a whole book.
    std::string unido;
    std::string_view utf8;
    const auto primero = t.first_child();
    if (primero && !primero.next_sibling() && primero.type() == pugi::node_pcdata) {
      utf8 = primero.value();
    } else {
      for (auto hijo = primero; hijo; hijo = hijo.next_sibling()) {
        if (hijo.type() == pugi::node_pcdata || hijo.type() == pugi::node_cdata)
          unido += hijo.value();
      }
      utf8 = unido;
    }
    const std::size_t antes = salida_.texto.size();
    salida_.texto += texto::Utf8AUtf16(utf8);
    for (auto c = salida_.texto.begin() + static_cast<std::ptrdiff_t>(antes);
         c != salida_.texto.end(); ++c) {
      if (*c < 0x20 && *c != u'\t') *c = u' ';
    }
    salida_.piezas.push_back({t, static_cast<std::int32_t>(antes),
                              static_cast<std::int32_t>(salida_.texto.size() - antes)});
  }

  struct CampoAbierto {
    bool enCodigo;
    std::size_t primeraPieza;  // of its result
  };

  Recorrido& salida_;
  int enParrafo_ = 0;
  int enCodigo_ = 0;
  std::vector<CampoAbierto> campos_;
  bool controlAbierto_ = false;  // a content control began and no paragraph yet
};

}  // namespace

Recorrido RecorrerDocumento(const ParteXml& documento, std::size_t largoEsperado) {
  Recorrido recorrido;
  recorrido.texto.reserve(largoEsperado > 0 ? largoEsperado : documento.Tamano());
  const auto raiz = documento.Raiz();
  const Nombres nombres(raiz);
  if (nombres.Clasificar(raiz.name()) != Etiqueta::Document) {
    throw ErrorDocx(
        "El documento .docx está dañado: su parte principal no es un documento de "
        "Word");
  }
  Recorredor recorredor(recorrido);
  for (auto hijo = raiz.first_child(); hijo; hijo = hijo.next_sibling()) {
    if (hijo.type() == pugi::node_element && nombres.Clasificar(hijo.name()) == Etiqueta::Body) {
      recorredor.Hijos(hijo, Nombres::DeclaraEspacios(hijo) ? nombres.Dentro(hijo) : nombres, 1);
    }
  }
  return recorrido;
}

std::string TextoDeComentario(pugi::xml_node comentario, const Nombres& nombres) {
  Recorrido recorrido;
  Recorredor(recorrido).Hijos(comentario, nombres, 1);
  if (!recorrido.texto.empty()) recorrido.texto.pop_back();  // the last paragraph's mark
  return texto::Utf16AUtf8(recorrido.texto);
}

}  // namespace quillora::docx

namespace quillora::docx {

std::vector<Segmento> Segmentar(std::u16string_view texto) {
  std::vector<Segmento> segmentos;
  std::size_t inicio = 0;
  auto cerrarTexto = [&](std::size_t fin) {
    if (fin > inicio) {
      segmentos.push_back(
          {TipoSegmento::Texto, texto::Utf16AUtf8(texto.substr(inicio, fin - inicio))});
    }
  };
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const char16_t c = texto[i];
    std::optional<TipoSegmento> tipo;
    switch (c) {
      case u'\t':
        tipo = TipoSegmento::Tab;
        break;
      case u'\n':
      case kSaltoLinea:
        tipo = TipoSegmento::SaltoLinea;
        break;
      case kSaltoPagina:
        tipo = TipoSegmento::SaltoPagina;
        break;
      case kGuionDuro:
        tipo = TipoSegmento::GuionDuro;
        break;
      case kGuionOpcional:
        tipo = TipoSegmento::GuionOpcional;
        break;
      default:
        break;
    }
    const bool alto = c >= 0xD800 && c <= 0xDBFF;
    const bool bajo = c >= 0xDC00 && c <= 0xDFFF;
    const bool parCompleto =
        alto && i + 1 < texto.size() && texto[i + 1] >= 0xDC00 && texto[i + 1] <= 0xDFFF;
    if (parCompleto) {
      ++i;
      continue;
    }
    if (!tipo && (c < 0x20 || c == 0xFFFE || c == 0xFFFF || alto || bajo)) {
      std::array<char, 8> codigo{};
      std::snprintf(codigo.data(), codigo.size(), "%04X", static_cast<unsigned>(c));
      throw ErrorDocx(
          std::string("No se puede guardar el documento: el texto contiene el carácter U+") +
          codigo.data() + ", que un .docx no admite");
    }
    if (tipo) {
      cerrarTexto(i);
      segmentos.push_back({*tipo, {}});
      inicio = i + 1;
    }
  }
  cerrarTexto(texto.size());
  return segmentos;
}

bool NecesitaPreservar(std::string_view texto) {
  auto blanco = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
  return !texto.empty() && (blanco(texto.front()) || blanco(texto.back()) ||
                            texto.find("  ") != std::string_view::npos);
}

}  // namespace quillora::docx
