#include <vector>

#include "eventos_office.h"
#include "memory_application.h"
#include "objeto_falso.h"
#include "objetos_falsos.h"
#include "punto_conexion.h"
#include "word/application.h"
#include "word/application_events.h"
#include "word/document.h"

namespace quillora::word_falso {

namespace {

namespace dispid = com::dispid_aplicacion;

// Word's Application, with the connection point of ApplicationEvents2.
class AplicacionFalsa final : public ObjetoFalso {
 public:
  AplicacionFalsa(std::shared_ptr<Contexto> contexto,
                  std::shared_ptr<memory::MemoryApplication> aplicacion)
      : ObjetoFalso(std::move(contexto)), aplicacion_(std::move(aplicacion)) {
    Propiedad(L"Documents", [this](const Argumentos&) {
      return Variante::Objeto(Documentos(GetContexto(), aplicacion_->GetDocuments()).Get());
    });
    Propiedad(L"ActiveDocument", [this](const Argumentos&) {
      return Variante::Objeto(Documento(GetContexto(), aplicacion_->GetActiveDocument()).Get());
    });
    Propiedad(L"ActiveWindow", [this](const Argumentos&) {
      return Variante::Objeto(Ventana(GetContexto(), aplicacion_->GetActiveWindow()).Get());
    });
    Propiedad(L"System", [this](const Argumentos&) {
      return Variante::Objeto(Sistema(GetContexto(), aplicacion_->GetSystem()).Get());
    });
    Propiedad(L"NormalTemplate", [this](const Argumentos&) {
      return Variante::Objeto(Plantilla(GetContexto(), aplicacion_->GetNormalTemplate()).Get());
    });
    Propiedad(
        L"DisplayScreenTips",
        [this](const Argumentos&) { return Variante::Logico(aplicacion_->GetDisplayScreenTips()); },
        [this](const Argumentos& valor) { aplicacion_->SetDisplayScreenTips(valor.Logico(0)); });
    Propiedad(L"CommandBars", [this](const Argumentos&) {
      return Variante::Objeto(Barras(GetContexto(), aplicacion_->GetCommandBars()).Get());
    });
  }

 protected:
  bool TienePuntosDeConexion() const override { return true; }

  ComPtr<IConnectionPoint> PuntoDeConexion(REFIID iid) override {
    if (iid != com::kDiidApplicationEvents2) return nullptr;
    const auto ctx = GetContexto();
    return com::NuevoObjetoPropio<PuntoConexion>(
        ctx, iid, static_cast<IConnectionPointContainer*>(this),
        [ctx](ComPtr<IDispatch> sumidero) { return ctx->ConectarAplicacion(std::move(sumidero)); },
        [ctx](DWORD cookie) { return ctx->DesconectarAplicacion(cookie); });
  }

 private:
  std::shared_ptr<memory::MemoryApplication> aplicacion_;
};

// Word's events as the sinks receive them: objects of the fake, and Cancel by reference.
class EventosHaciaCom final : public word::ApplicationEvents {
 public:
  explicit EventosHaciaCom(std::shared_ptr<Contexto> contexto) : contexto_(std::move(contexto)) {}

  void DocumentOpen(const std::shared_ptr<word::Document>& doc) override {
    Lanzar(dispid::kDocumentOpen, {Documento(contexto_, doc)});
  }
  void NewDocument(const std::shared_ptr<word::Document>& doc) override {
    Lanzar(dispid::kNewDocument, {Documento(contexto_, doc)});
  }
  void DocumentBeforeClose(const std::shared_ptr<word::Document>& doc, bool& cancel) override {
    Lanzar(dispid::kDocumentBeforeClose, {Documento(contexto_, doc)}, &cancel);
  }
  void WindowActivate(const std::shared_ptr<word::Document>& doc,
                      const std::shared_ptr<word::Window>& wn) override {
    Lanzar(dispid::kWindowActivate, {Documento(contexto_, doc), Ventana(contexto_, wn)});
  }
  void WindowBeforeRightClick(const std::shared_ptr<word::Selection>& sel, bool& cancel) override {
    Lanzar(dispid::kWindowBeforeRightClick, {Seleccion(contexto_, sel)}, &cancel);
  }
  void Quit() override { Lanzar(dispid::kQuit, {}); }

 private:
  // Each sink sees the Cancel the sinks before it left.
  void Lanzar(DISPID id, const std::vector<ComPtr<IDispatch>>& objetos, bool* cancel = nullptr) {
    for (const auto& sumidero : contexto_->SumiderosAplicacion()) {
      std::vector<VARIANT> argumentos;
      for (const auto& objeto : objetos) {
        VARIANT argumento;
        argumento.vt = VT_DISPATCH;
        argumento.pdispVal = objeto.Get();
        argumentos.push_back(argumento);
      }
      VARIANT_BOOL cancelar = cancel != nullptr && *cancel ? VARIANT_TRUE : VARIANT_FALSE;
      if (cancel != nullptr) {
        VARIANT argumento;
        argumento.vt = VT_BOOL | VT_BYREF;
        argumento.pboolVal = &cancelar;
        argumentos.push_back(argumento);
      }
      contexto_->Lanzar(sumidero.Get(), id, std::move(argumentos));
      if (cancel != nullptr) *cancel = cancelar != VARIANT_FALSE;
    }
  }

  std::shared_ptr<Contexto> contexto_;
};

class DocumentosFalsos final : public ObjetoFalso {
 public:
  DocumentosFalsos(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Documents> documentos)
      : ObjetoFalso(std::move(contexto)), documentos_(std::move(documentos)) {
    Propiedad(L"Count",
              [this](const Argumentos&) { return Variante::Entero(documentos_->Count()); });
  }

 private:
  std::shared_ptr<word::Documents> documentos_;
};

class SistemaFalso final : public ObjetoFalso {
 public:
  SistemaFalso(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::System> sistema)
      : ObjetoFalso(std::move(contexto)), sistema_(std::move(sistema)) {
    Propiedad(
        L"Cursor",
        [this](const Argumentos&) {
          return Variante::Entero(static_cast<std::int32_t>(sistema_->GetCursor()));
        },
        [this](const Argumentos& valor) {
          sistema_->SetCursor(static_cast<word::Cursor>(valor.Entero(0)));
        });
  }

 private:
  std::shared_ptr<word::System> sistema_;
};

class PlantillaFalsa final : public ObjetoFalso {
 public:
  PlantillaFalsa(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::Template> plantilla)
      : ObjetoFalso(std::move(contexto)), plantilla_(std::move(plantilla)) {
    Propiedad(
        L"Saved", [this](const Argumentos&) { return Variante::Logico(plantilla_->GetSaved()); },
        [this](const Argumentos& valor) { plantilla_->SetSaved(valor.Logico(0)); });
    Metodo(L"Save", {}, [this](const Argumentos&) {
      plantilla_->Save();
      return Variante();
    });
  }

 private:
  std::shared_ptr<word::Template> plantilla_;
};

}  // namespace

ComPtr<IDispatch> Aplicacion(const std::shared_ptr<Contexto>& contexto,
                             const std::shared_ptr<memory::MemoryApplication>& aplicacion) {
  return Unico<AplicacionFalsa>(contexto, aplicacion);
}

std::shared_ptr<word::ApplicationEvents> EventosAplicacion(
    const std::shared_ptr<Contexto>& contexto) {
  return std::make_shared<EventosHaciaCom>(contexto);
}

ComPtr<IDispatch> Documentos(const std::shared_ptr<Contexto>& contexto,
                             const std::shared_ptr<word::Documents>& documentos) {
  return Otro<DocumentosFalsos>(contexto, documentos);
}

ComPtr<IDispatch> Sistema(const std::shared_ptr<Contexto>& contexto,
                          const std::shared_ptr<word::System>& sistema) {
  return Unico<SistemaFalso>(contexto, sistema);
}

ComPtr<IDispatch> Plantilla(const std::shared_ptr<Contexto>& contexto,
                            const std::shared_ptr<word::Template>& plantilla) {
  return Unico<PlantillaFalsa>(contexto, plantilla);
}

}  // namespace quillora::word_falso
