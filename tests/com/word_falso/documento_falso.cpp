#include "objeto_falso.h"
#include "objetos_falsos.h"
#include "word/comment.h"
#include "word/document.h"
#include "word/range.h"

namespace quillora::word_falso {

namespace {

class DocumentoFalso final : public ObjetoFalso {
 public:
  DocumentoFalso(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Document> documento)
      : ObjetoFalso(std::move(contexto)), documento_(std::move(documento)) {
    Propiedad(L"Comments", [this](const Argumentos&) {
      return Variante::Objeto(Comentarios(GetContexto(), documento_->GetComments()).Get());
    });
    Propiedad(L"ActiveWindow", [this](const Argumentos&) {
      return Variante::Objeto(Ventana(GetContexto(), documento_->GetActiveWindow()).Get());
    });
    // Range(Start, End): the whole main text when both are left out.
    Metodo(L"Range", {L"Start", L"End"}, [this](const Argumentos& argumentos) {
      if (!argumentos.Presente(0) && !argumentos.Presente(1)) {
        return Variante::Objeto(Rango(GetContexto(), documento_->Range()).Get());
      }
      const auto fin =
          argumentos.Presente(1) ? argumentos.Entero(1) : documento_->Range()->GetEnd();
      return Variante::Objeto(
          Rango(GetContexto(), documento_->Range(argumentos.Entero(0, 0), fin)).Get());
    });
  }

 private:
  std::shared_ptr<word::Document> documento_;
};

class ComentariosFalsos final : public ObjetoFalso {
 public:
  ComentariosFalsos(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Comments> comentarios)
      : ObjetoFalso(std::move(contexto)), comentarios_(std::move(comentarios)) {
    Propiedad(L"Count",
              [this](const Argumentos&) { return Variante::Entero(comentarios_->Count()); });
    Metodo(L"Item", {L"Index"}, [this](const Argumentos& argumentos) {
      return Variante::Objeto(
          Comentario(GetContexto(), comentarios_->Item(argumentos.Entero(0))).Get());
    });
    // Add(Range, Text): the range must be one of this Word's.
    Metodo(L"Add", {L"Range", L"Text"}, [this](const Argumentos& argumentos) {
      const auto rango = RangoDe(argumentos.Objeto(0).Get());
      if (!rango) throw ErrorDespacho{DISP_E_TYPEMISMATCH};
      return Variante::Objeto(
          Comentario(GetContexto(), comentarios_->Add(*rango, argumentos.Texto(1, ""))).Get());
    });
  }

 private:
  std::shared_ptr<word::Comments> comentarios_;
};

class ComentarioFalso final : public ObjetoFalso {
 public:
  ComentarioFalso(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Comment> comentario)
      : ObjetoFalso(std::move(contexto)), comentario_(std::move(comentario)) {
    Propiedad(
        L"Initial",
        [this](const Argumentos&) { return Variante::Texto(comentario_->GetInitial()); },
        [this](const Argumentos& valor) { comentario_->SetInitial(valor.Texto(0)); });
    Propiedad(
        L"Author", [this](const Argumentos&) { return Variante::Texto(comentario_->GetAuthor()); },
        [this](const Argumentos& valor) { comentario_->SetAuthor(valor.Texto(0)); });
    Propiedad(L"Scope", [this](const Argumentos&) {
      return Variante::Objeto(Rango(GetContexto(), comentario_->GetScope()).Get());
    });
    Propiedad(L"Range", [this](const Argumentos&) {
      return Variante::Objeto(Rango(GetContexto(), comentario_->GetRange()).Get());
    });
    Metodo(L"Delete", {}, [this](const Argumentos&) {
      comentario_->Delete();
      return Variante();
    });
  }

 private:
  std::shared_ptr<word::Comment> comentario_;
};

}  // namespace

ComPtr<IDispatch> Documento(const std::shared_ptr<Contexto>& contexto,
                            const std::shared_ptr<word::Document>& documento) {
  return Unico<DocumentoFalso>(contexto, documento);
}

ComPtr<IDispatch> Comentarios(const std::shared_ptr<Contexto>& contexto,
                              const std::shared_ptr<word::Comments>& comentarios) {
  return Otro<ComentariosFalsos>(contexto, comentarios);
}

ComPtr<IDispatch> Comentario(const std::shared_ptr<Contexto>& contexto,
                             const std::shared_ptr<word::Comment>& comentario) {
  return Otro<ComentarioFalso>(contexto, comentario);
}

}  // namespace quillora::word_falso
