#include "aplicacion_com.h"

#include "com_application.h"
#include "word/host_error.h"

namespace quillora::com {

std::shared_ptr<word::Application> AplicacionCom(IDispatch* aplicacion) {
  if (aplicacion == nullptr) throw word::HostError("Word no ha dado su objeto Application");
  return Sesion::Actual()->Envolver<ComApplication>(aplicacion);
}

}  // namespace quillora::com
