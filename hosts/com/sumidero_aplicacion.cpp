#include "sumidero_aplicacion.h"

#include "com_document.h"
#include "com_window.h"
#include "eventos_office.h"
#include "sesion_com.h"
#include "word/application_events.h"

namespace quillora::com {

SumideroAplicacion::SumideroAplicacion(std::shared_ptr<word::ApplicationEvents> eventos,
                                       std::shared_ptr<Sesion> sesion)
    : Sumidero(kDiidApplicationEvents2), eventos_(std::move(eventos)), sesion_(std::move(sesion)) {}

void SumideroAplicacion::Recibir(DISPID id, DISPPARAMS& parametros) {
  using namespace dispid_aplicacion;
  const auto documento = [&] {
    return sesion_->Envolver<ComDocument>(ArgumentoObjeto(parametros, 0));
  };
  switch (id) {
    case kDocumentOpen:
      eventos_->DocumentOpen(documento());
      break;
    case kNewDocument:
      eventos_->NewDocument(documento());
      break;
    case kDocumentBeforeClose: {
      auto& cancelar = ArgumentoLogicoPorReferencia(parametros, 1);
      bool cancel = cancelar != VARIANT_FALSE;
      eventos_->DocumentBeforeClose(documento(), cancel);
      cancelar = cancel ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    }
    case kWindowActivate:
      eventos_->WindowActivate(documento(),
                               sesion_->Envolver<ComWindow>(ArgumentoObjeto(parametros, 1)));
      break;
    case kWindowBeforeRightClick: {
      auto& cancelar = ArgumentoLogicoPorReferencia(parametros, 1);
      bool cancel = cancelar != VARIANT_FALSE;
      eventos_->WindowBeforeRightClick(
          sesion_->Envolver<ComSelection>(ArgumentoObjeto(parametros, 0)), cancel);
      cancelar = cancel ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    }
    case kQuit:
      eventos_->Quit();
      break;
    default:
      break;
  }
}

}  // namespace quillora::com
