#include "sumidero_click.h"

#include "com_command_bar_control.h"
#include "eventos_office.h"
#include "sesion_com.h"

namespace quillora::com {

SumideroClick::SumideroClick(word::CommandBarControl::ClickHandler manejador,
                             std::shared_ptr<Sesion> sesion)
    : Sumidero(kDiidCommandBarButtonEvents),
      manejador_(std::move(manejador)),
      sesion_(std::move(sesion)) {}

void SumideroClick::Recibir(DISPID id, DISPPARAMS& parametros) {
  if (id != dispid_boton::kClick) return;
  auto& cancelar = ArgumentoLogicoPorReferencia(parametros, 1);
  bool cancelDefault = cancelar != VARIANT_FALSE;
  manejador_(sesion_->Envolver<ComCommandBarControl>(ArgumentoObjeto(parametros, 0)),
             cancelDefault);
  cancelar = cancelDefault ? VARIANT_TRUE : VARIANT_FALSE;
}

}  // namespace quillora::com
