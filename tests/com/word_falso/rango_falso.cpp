#include "objeto_falso.h"
#include "objetos_falsos.h"
#include "word/comment.h"
#include "word/document.h"
#include "word/host_error.h"
#include "word/range.h"

namespace quillora::word_falso {

namespace {

// The units Range.Next and Range.Previous take: wdCharacter and wdWord, wdCharacter when left
// out.
word::Unidad UnidadDe(const Argumentos& argumentos) {
  const auto unidad = argumentos.Entero(0, static_cast<std::int32_t>(word::Unidad::Caracter));
  if (unidad != static_cast<std::int32_t>(word::Unidad::Caracter) &&
      unidad != static_cast<std::int32_t>(word::Unidad::Palabra)) {
    throw word::HostError("Unidad no admitida: " + std::to_string(unidad));
  }
  return static_cast<word::Unidad>(unidad);
}

class RangoFalso final : public ObjetoFalso {
 public:
  RangoFalso(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Range> rango)
      : ObjetoFalso(std::move(contexto)), rango_(std::move(rango)) {
    Propiedad(
        L"Text", [this](const Argumentos&) { return Variante::Texto(rango_->GetText()); },
        [this](const Argumentos& valor) { rango_->SetText(valor.Texto(0)); });
    Propiedad(L"Start", [this](const Argumentos&) { return Variante::Entero(rango_->GetStart()); });
    Propiedad(L"End", [this](const Argumentos&) { return Variante::Entero(rango_->GetEnd()); });
    Metodo(L"SetRange", {L"Start", L"End"}, [this](const Argumentos& argumentos) {
      rango_->SetRange(argumentos.Entero(0), argumentos.Entero(1));
      return Variante();
    });
    Propiedad(L"Words", [this](const Argumentos&) {
      return Variante::Objeto(Palabras(GetContexto(), rango_->GetWords()).Get());
    });
    Propiedad(L"Paragraphs", [this](const Argumentos&) {
      return Variante::Objeto(Parrafos(GetContexto(), rango_->GetParagraphs()).Get());
    });
    Propiedad(L"Comments", [this](const Argumentos&) {
      return Variante::Objeto(Comentarios(GetContexto(), rango_->GetComments()).Get());
    });
    Propiedad(L"Parent", [this](const Argumentos&) {
      return Variante::Objeto(Documento(GetContexto(), rango_->GetParent()).Get());
    });
    Metodo(L"Next", {L"Unit", L"Count"}, [this](const Argumentos& argumentos) {
      return Variante::Objeto(
          Rango(GetContexto(), rango_->Next(UnidadDe(argumentos), argumentos.Entero(1, 1))).Get());
    });
    Metodo(L"Previous", {L"Unit", L"Count"}, [this](const Argumentos& argumentos) {
      return Variante::Objeto(
          Rango(GetContexto(), rango_->Previous(UnidadDe(argumentos), argumentos.Entero(1, 1)))
              .Get());
    });
  }

  const std::shared_ptr<word::Range>& Modelo() const { return rango_; }

 private:
  std::shared_ptr<word::Range> rango_;
};

class PalabrasFalsas final : public ObjetoFalso {
 public:
  PalabrasFalsas(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Words> palabras)
      : ObjetoFalso(std::move(contexto)), palabras_(std::move(palabras)) {
    Propiedad(L"Count", [this](const Argumentos&) { return Variante::Entero(palabras_->Count()); });
    Propiedad(L"First", [this](const Argumentos&) {
      return Variante::Objeto(Rango(GetContexto(), palabras_->GetFirst()).Get());
    });
    Metodo(L"Item", {L"Index"}, [this](const Argumentos& argumentos) {
      return Variante::Objeto(Rango(GetContexto(), palabras_->Item(argumentos.Entero(0))).Get());
    });
  }

 private:
  std::shared_ptr<word::Words> palabras_;
};

class ParrafoFalso final : public ObjetoFalso {
 public:
  ParrafoFalso(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Paragraph> parrafo)
      : ObjetoFalso(std::move(contexto)), parrafo_(std::move(parrafo)) {
    Propiedad(L"Range", [this](const Argumentos&) {
      return Variante::Objeto(Rango(GetContexto(), parrafo_->GetRange()).Get());
    });
  }

 private:
  std::shared_ptr<word::Paragraph> parrafo_;
};

class ParrafosFalsos final : public ObjetoFalso {
 public:
  ParrafosFalsos(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Paragraphs> parrafos)
      : ObjetoFalso(std::move(contexto)), parrafos_(std::move(parrafos)) {
    Propiedad(L"Count", [this](const Argumentos&) { return Variante::Entero(parrafos_->Count()); });
    Metodo(L"Item", {L"Index"}, [this](const Argumentos& argumentos) {
      return Variante::Objeto(Parrafo(GetContexto(), parrafos_->Item(argumentos.Entero(0))).Get());
    });
  }

 private:
  std::shared_ptr<word::Paragraphs> parrafos_;
};

}  // namespace

ComPtr<IDispatch> Rango(const std::shared_ptr<Contexto>& contexto,
                        const std::shared_ptr<word::Range>& rango) {
  return Otro<RangoFalso>(contexto, rango);
}

std::shared_ptr<word::Range> RangoDe(IDispatch* objeto) {
  const auto* rango = dynamic_cast<RangoFalso*>(objeto);
  return rango == nullptr ? nullptr : rango->Modelo();
}

ComPtr<IDispatch> Palabras(const std::shared_ptr<Contexto>& contexto,
                           const std::shared_ptr<word::Words>& palabras) {
  return Otro<PalabrasFalsas>(contexto, palabras);
}

ComPtr<IDispatch> Parrafos(const std::shared_ptr<Contexto>& contexto,
                           const std::shared_ptr<word::Paragraphs>& parrafos) {
  return Otro<ParrafosFalsos>(contexto, parrafos);
}

ComPtr<IDispatch> Parrafo(const std::shared_ptr<Contexto>& contexto,
                          const std::shared_ptr<word::Paragraph>& parrafo) {
  return Otro<ParrafoFalso>(contexto, parrafo);
}

}  // namespace quillora::word_falso
