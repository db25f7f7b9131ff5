#include <olectl.h>

#include "eventos_office.h"
#include "objeto_falso.h"
#include "objetos_falsos.h"
#include "punto_conexion.h"
#include "word/command_bars.h"

namespace quillora::word_falso {

namespace {

class BarrasFalsas final : public ObjetoFalso {
 public:
  BarrasFalsas(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::CommandBars> barras)
      : ObjetoFalso(std::move(contexto)), barras_(std::move(barras)) {
    // Item(Index): by name or by position, as Office's collections are.
    Propiedad(L"Item", {L"Index"}, [this](const Argumentos& argumentos) {
      const auto barra = argumentos.Crudo(0).vt == VT_BSTR ? barras_->Item(argumentos.Texto(0))
                                                           : barras_->Item(argumentos.Entero(0));
      return Variante::Objeto(Barra(GetContexto(), barra).Get());
    });
    Propiedad(L"Count", [this](const Argumentos&) { return Variante::Entero(barras_->Count()); });
    // Add(Name, Position, MenuBar, Temporary): msoBarTop when the position is left out.
    Metodo(L"Add", {L"Name", L"Position", L"MenuBar", L"Temporary"},
           [this](const Argumentos& argumentos) {
             return Variante::Objeto(
                 Barra(GetContexto(),
                       barras_->Add(argumentos.Texto(0, ""), argumentos.Entero(1, 1),
                                    argumentos.Logico(2, false), argumentos.Logico(3, false)))
                     .Get());
           });
  }

 private:
  std::shared_ptr<word::CommandBars> barras_;
};

class BarraFalsa final : public ObjetoFalso {
 public:
  BarraFalsa(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::CommandBar> barra)
      : ObjetoFalso(std::move(contexto)), barra_(std::move(barra)) {
    Propiedad(L"Controls", [this](const Argumentos&) {
      return Variante::Objeto(Controles(GetContexto(), barra_->GetControls()).Get());
    });
    Metodo(L"Delete", {}, [this](const Argumentos&) {
      barra_->Delete();
      return Variante();
    });
    Propiedad(
        L"Enabled", [this](const Argumentos&) { return Variante::Logico(barra_->GetEnabled()); },
        [this](const Argumentos& valor) { barra_->SetEnabled(valor.Logico(0)); });
    // The fake finds controls by Tag only; other criteria are not implemented.
    Metodo(L"FindControl", {L"Type", L"Id", L"Tag", L"Visible", L"Recursive"},
           [this](const Argumentos& argumentos) {
             for (const std::size_t criterio : {0U, 1U, 3U, 4U}) {
               if (argumentos.Presente(criterio)) throw ErrorDespacho{E_NOTIMPL};
             }
             return Variante::Objeto(
                 Control(GetContexto(), barra_->FindControl(argumentos.Texto(2, ""))).Get());
           });
    Propiedad(
        L"Name", [this](const Argumentos&) { return Variante::Texto(barra_->GetName()); },
        [this](const Argumentos& valor) { barra_->SetName(valor.Texto(0)); });
    Propiedad(
        L"Position", [this](const Argumentos&) { return Variante::Entero(barra_->GetPosition()); },
        [this](const Argumentos& valor) { barra_->SetPosition(valor.Entero(0)); });
    Propiedad(
        L"Visible", [this](const Argumentos&) { return Variante::Logico(barra_->GetVisible()); },
        [this](const Argumentos& valor) { barra_->SetVisible(valor.Logico(0)); });
    Propiedad(
        L"Width", [this](const Argumentos&) { return Variante::Entero(barra_->GetWidth()); },
        [this](const Argumentos& valor) { barra_->SetWidth(valor.Entero(0)); });
  }

 private:
  std::shared_ptr<word::CommandBar> barra_;
};

class ControlesFalsos final : public ObjetoFalso {
 public:
  ControlesFalsos(std::shared_ptr<Contexto> contexto,
                  std::shared_ptr<word::CommandBarControls> controles)
      : ObjetoFalso(std::move(contexto)), controles_(std::move(controles)) {
    // Add(Type, Id, Parameter, Before, Temporary): Office's defaults for what is left out.
    Metodo(L"Add", {L"Type", L"Id", L"Parameter", L"Before", L"Temporary"},
           [this](const Argumentos& argumentos) {
             word::ControlAdd agregar;
             agregar.Type = argumentos.Entero(0, agregar.Type);
             agregar.Id = argumentos.Entero(1, agregar.Id);
             agregar.Parameter = argumentos.Texto(2, agregar.Parameter);
             agregar.Before = argumentos.Entero(3, agregar.Before);
             agregar.Temporary = argumentos.Logico(4, agregar.Temporary);
             return Variante::Objeto(Control(GetContexto(), controles_->Add(agregar)).Get());
           });
    Propiedad(L"Item", {L"Index"}, [this](const Argumentos& argumentos) {
      return Variante::Objeto(Control(GetContexto(), controles_->Item(argumentos.Entero(0))).Get());
    });
  }

 private:
  std::shared_ptr<word::CommandBarControls> controles_;
};

// A button. Its Click reaches the sinks connected through _CommandBarButtonEvents; on an Office
// without button pictures it has neither Picture nor Mask.
class ControlFalso final : public ObjetoFalso {
 public:
  ControlFalso(std::shared_ptr<Contexto> contexto, std::shared_ptr<word::CommandBarControl> control)
      : ObjetoFalso(std::move(contexto)), control_(std::move(control)) {
    using word::CommandBarControl;
    Texto(L"Caption", &CommandBarControl::GetCaption, &CommandBarControl::SetCaption);
    Texto(L"DescriptionText", &CommandBarControl::GetDescriptionText,
          &CommandBarControl::SetDescriptionText);
    Texto(L"Tag", &CommandBarControl::GetTag, &CommandBarControl::SetTag);
    Texto(L"TooltipText", &CommandBarControl::GetTooltipText, &CommandBarControl::SetTooltipText);
    Propiedad(
        L"BeginGroup",
        [this](const Argumentos&) { return Variante::Logico(control_->GetBeginGroup()); },
        [this](const Argumentos& valor) { control_->SetBeginGroup(valor.Logico(0)); });
    Propiedad(
        L"Visible", [this](const Argumentos&) { return Variante::Logico(control_->GetVisible()); },
        [this](const Argumentos& valor) { control_->SetVisible(valor.Logico(0)); });
    Propiedad(
        L"FaceId", [this](const Argumentos&) { return Variante::Entero(control_->GetFaceId()); },
        [this](const Argumentos& valor) { control_->SetFaceId(valor.Entero(0)); });
    Propiedad(
        L"Style", [this](const Argumentos&) { return Variante::Entero(control_->GetStyle()); },
        [this](const Argumentos& valor) { control_->SetStyle(valor.Entero(0)); });
    if (GetContexto()->GetOpciones().imagenesBotones) {
      PropiedadSoloEscritura(L"Picture", [this](const Argumentos& valor) { Imagen(valor, false); });
      PropiedadSoloEscritura(L"Mask", [this](const Argumentos& valor) { Imagen(valor, true); });
    }
    Metodo(L"Delete", {L"Temporary"}, [this](const Argumentos&) {
      control_->Delete();
      return Variante();
    });
  }

 protected:
  bool TienePuntosDeConexion() const override { return true; }

  ComPtr<IConnectionPoint> PuntoDeConexion(REFIID iid) override {
    if (iid != com::kDiidCommandBarButtonEvents) return nullptr;
    const auto contexto = GetContexto();
    const auto control = control_;
    return com::NuevoObjetoPropio<PuntoConexion>(
        contexto, iid, static_cast<IConnectionPointContainer*>(this),
        [contexto, control](ComPtr<IDispatch> sumidero) {
          const auto cookie = static_cast<DWORD>(control->AddClickHandler(
              [contexto, sumidero](const std::shared_ptr<word::CommandBarControl>& pulsado,
                                   bool& cancelDefault) {
                Click(contexto, sumidero.Get(), pulsado, cancelDefault);
              }));
          contexto->RegistrarClick(control.get(), cookie);
          return cookie;
        },
        [contexto, control](DWORD cookie) {
          if (!contexto->QuitarClick(control.get(), cookie)) return false;
          control->RemoveClickHandler(static_cast<std::int32_t>(cookie));
          return true;
        });
  }

 private:
  using Lectura = std::string (word::CommandBarControl::*)() const;
  using Escritura = void (word::CommandBarControl::*)(const std::string&);

  void Texto(std::wstring nombre, Lectura leer, Escritura escribir) {
    Propiedad(
        std::move(nombre),
        [this, leer](const Argumentos&) { return Variante::Texto(((*control_).*leer)()); },
        [this, escribir](const Argumentos& valor) { ((*control_).*escribir)(valor.Texto(0)); });
  }

  // Office keeps the bitmap of the picture it is given.
  void Imagen(const Argumentos& valor, bool mascara) {
    ComPtr<IPicture> imagen;
    const auto objeto = valor.Objeto(0);
    if (!objeto || FAILED(objeto.As(&imagen))) throw ErrorDespacho{DISP_E_TYPEMISMATCH};
    SHORT tipo = PICTYPE_NONE;
    if (FAILED(imagen->get_Type(&tipo)) || tipo != PICTYPE_BITMAP) {
      throw ErrorDespacho{E_INVALIDARG};
    }
    control_->GetTag();  // a deleted control fails here, as in every member
    GetContexto()->PonerImagen(control_.get(), mascara, std::move(imagen));
  }

  static void Click(const std::shared_ptr<Contexto>& contexto, IDispatch* sumidero,
                    const std::shared_ptr<word::CommandBarControl>& pulsado, bool& cancelDefault) {
    const auto objeto = Unico<ControlFalso>(contexto, pulsado);
    VARIANT control;
    control.vt = VT_DISPATCH;
    control.pdispVal = objeto.Get();
    VARIANT_BOOL cancelar = cancelDefault ? VARIANT_TRUE : VARIANT_FALSE;
    VARIANT cancel;
    cancel.vt = VT_BOOL | VT_BYREF;
    cancel.pboolVal = &cancelar;
    contexto->Lanzar(sumidero, com::dispid_boton::kClick, {control, cancel});
    cancelDefault = cancelar != VARIANT_FALSE;
  }

  std::shared_ptr<word::CommandBarControl> control_;
};

}  // namespace

ComPtr<IDispatch> Barras(const std::shared_ptr<Contexto>& contexto,
                         const std::shared_ptr<word::CommandBars>& barras) {
  return Unico<BarrasFalsas>(contexto, barras);
}

ComPtr<IDispatch> Barra(const std::shared_ptr<Contexto>& contexto,
                        const std::shared_ptr<word::CommandBar>& barra) {
  return Unico<BarraFalsa>(contexto, barra);
}

ComPtr<IDispatch> Controles(const std::shared_ptr<Contexto>& contexto,
                            const std::shared_ptr<word::CommandBarControls>& controles) {
  return Otro<ControlesFalsos>(contexto, controles);
}

ComPtr<IDispatch> Control(const std::shared_ptr<Contexto>& contexto,
                          const std::shared_ptr<word::CommandBarControl>& control) {
  return Unico<ControlFalso>(contexto, control);
}

}  // namespace quillora::word_falso
