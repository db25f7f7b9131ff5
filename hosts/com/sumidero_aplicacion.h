#pragma once

#include <memory>

#include "sumidero.h"

namespace quillora::word {
class ApplicationEvents;
}

namespace quillora::com {

class Sesion;

// Word's ApplicationEvents2 passed on to an ApplicationEvents: Word's objects become wrappers of
// the session, and a Cancel the handler sets goes back to Word.
class SumideroAplicacion final : public Sumidero {
 public:
  SumideroAplicacion(std::shared_ptr<word::ApplicationEvents> eventos,
                     std::shared_ptr<Sesion> sesion);

 protected:
  void Recibir(DISPID id, DISPPARAMS& parametros) override;

 private:
  std::shared_ptr<word::ApplicationEvents> eventos_;
  std::shared_ptr<Sesion> sesion_;
};

}  // namespace quillora::com
