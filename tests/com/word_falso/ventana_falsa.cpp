#include "objeto_falso.h"
#include "objetos_falsos.h"
#include "word/comment.h"
#include "word/window.h"

namespace quillora::word_falso {

namespace {

class SeleccionFalsa final : public ObjetoFalso {
 public:
  SeleccionFalsa(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Selection> seleccion)
      : ObjetoFalso(std::move(contexto)), seleccion_(std::move(seleccion)) {
    Propiedad(L"Start",
              [this](const Argumentos&) { return Variante::Entero(seleccion_->GetStart()); });
    Propiedad(L"End", [this](const Argumentos&) { return Variante::Entero(seleccion_->GetEnd()); });
    Propiedad(L"Comments", [this](const Argumentos&) {
      return Variante::Objeto(Comentarios(GetContexto(), seleccion_->GetComments()).Get());
    });
  }

 private:
  std::shared_ptr<word::Selection> seleccion_;
};

class RevisorFalso final : public ObjetoFalso {
 public:
  RevisorFalso(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Reviewer> revisor)
      : ObjetoFalso(std::move(contexto)), revisor_(std::move(revisor)) {
    Propiedad(
        L"Visible", [this](const Argumentos&) { return Variante::Logico(revisor_->GetVisible()); },
        [this](const Argumentos& valor) { revisor_->SetVisible(valor.Logico(0)); });
  }

 private:
  std::shared_ptr<word::Reviewer> revisor_;
};

class RevisoresFalsos final : public ObjetoFalso {
 public:
  RevisoresFalsos(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Reviewers> revisores)
      : ObjetoFalso(std::move(contexto)), revisores_(std::move(revisores)) {
    Metodo(L"Item", {L"Index"}, [this](const Argumentos& argumentos) {
      return Variante::Objeto(
          Otro<RevisorFalso>(GetContexto(), revisores_->Item(argumentos.Texto(0))).Get());
    });
  }

 private:
  std::shared_ptr<word::Reviewers> revisores_;
};

// On an old Word the view has no Reviewers at all.
class VistaFalsa final : public ObjetoFalso {
 public:
  VistaFalsa(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::View> vista)
      : ObjetoFalso(std::move(contexto)), vista_(std::move(vista)) {
    if (!GetContexto()->GetOpciones().revisores) return;
    Propiedad(L"Reviewers", [this](const Argumentos&) {
      return Variante::Objeto(Otro<RevisoresFalsos>(GetContexto(), vista_->GetReviewers()).Get());
    });
  }

 private:
  std::shared_ptr<word::View> vista_;
};

class VentanaFalsa final : public ObjetoFalso {
 public:
  VentanaFalsa(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Window> ventana)
      : ObjetoFalso(std::move(contexto)), ventana_(std::move(ventana)) {
    Propiedad(L"Selection", [this](const Argumentos&) {
      return Variante::Objeto(Seleccion(GetContexto(), ventana_->GetSelection()).Get());
    });
    Propiedad(L"View", [this](const Argumentos&) {
      return Variante::Objeto(Vista(GetContexto(), ventana_->GetView()).Get());
    });
  }

 private:
  std::shared_ptr<word::Window> ventana_;
};

}  // namespace

ComPtr<IDispatch> Ventana(const std::shared_ptr<Contexto>& contexto,
                          const std::shared_ptr<word::Window>& ventana) {
  return Unico<VentanaFalsa>(contexto, ventana);
}

ComPtr<IDispatch> Seleccion(const std::shared_ptr<Contexto>& contexto,
                            const std::shared_ptr<word::Selection>& seleccion) {
  return Unico<SeleccionFalsa>(contexto, seleccion);
}

ComPtr<IDispatch> Vista(const std::shared_ptr<Contexto>& contexto,
                        const std::shared_ptr<word::View>& vista) {
  return Unico<VistaFalsa>(contexto, vista);
}

}  // namespace quillora::word_falso
