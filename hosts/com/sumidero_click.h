#pragma once

#include <memory>

#include "sumidero.h"
#include "word/command_bars.h"

namespace quillora::com {

class Sesion;

// Office's _CommandBarButtonEvents passed on to a Click handler, with the clicked control as a
// wrapper of the session; the CancelDefault the handler leaves goes back to Office.
class SumideroClick final : public Sumidero {
 public:
  SumideroClick(word::CommandBarControl::ClickHandler manejador, std::shared_ptr<Sesion> sesion);

 protected:
  void Recibir(DISPID id, DISPPARAMS& parametros) override;

 private:
  word::CommandBarControl::ClickHandler manejador_;
  std::shared_ptr<Sesion> sesion_;
};

}  // namespace quillora::com
