#include "com_application.h"

#include <algorithm>

#include "com_command_bars.h"
#include "com_document.h"
#include "com_window.h"
#include "eventos_office.h"
#include "objeto_com_propio.h"
#include "sumidero_aplicacion.h"
#include "word/host_error.h"

namespace quillora::com {

std::shared_ptr<word::Documents> ComApplication::GetDocuments() const {
  return Envolver<ComDocuments>(GetDespacho().Leer("Documents").ObjetoPresente());
}

std::shared_ptr<word::Document> ComApplication::GetActiveDocument() const {
  return Envolver<ComDocument>(GetDespacho().Leer("ActiveDocument").ObjetoPresente());
}

std::shared_ptr<word::Window> ComApplication::GetActiveWindow() const {
  return Envolver<ComWindow>(GetDespacho().Leer("ActiveWindow").ObjetoPresente());
}

std::shared_ptr<word::System> ComApplication::GetSystem() const {
  return Envolver<ComSystem>(GetDespacho().Leer("System").ObjetoPresente());
}

std::shared_ptr<word::Template> ComApplication::GetNormalTemplate() const {
  return Envolver<ComTemplate>(GetDespacho().Leer("NormalTemplate").ObjetoPresente());
}

bool ComApplication::GetDisplayScreenTips() const {
  return GetDespacho().Leer("DisplayScreenTips").Logico();
}

void ComApplication::SetDisplayScreenTips(bool mostrar) {
  GetDespacho().Escribir("DisplayScreenTips", Variante::Logico(mostrar));
}

std::shared_ptr<word::CommandBars> ComApplication::GetCommandBars() const {
  return Envolver<ComCommandBars>(GetDespacho().Leer("CommandBars").ObjetoPresente());
}

void ComApplication::Advise(const std::shared_ptr<word::ApplicationEvents>& sink) {
  if (!sink) throw word::HostError("No se pueden conectar los eventos de Word a un receptor vacío");
  const auto sumidero = NuevoObjetoPropio<SumideroAplicacion>(sink, GetSesion());
  suscripciones_.push_back(
      {sink, Conexion(Objeto(), kDiidApplicationEvents2, sumidero.Get(), "de Word")});
}

void ComApplication::Unadvise(const std::shared_ptr<word::ApplicationEvents>& sink) {
  std::erase_if(suscripciones_,
                [&sink](const Suscripcion& suscripcion) { return suscripcion.eventos == sink; });
}

std::int32_t ComDocuments::Count() const { return GetDespacho().Leer("Count").Entero(); }

word::Cursor ComSystem::GetCursor() const {
  return static_cast<word::Cursor>(GetDespacho().Leer("Cursor").Entero());
}

void ComSystem::SetCursor(word::Cursor cursor) {
  GetDespacho().Escribir("Cursor", Variante::Entero(static_cast<std::int32_t>(cursor)));
}

bool ComTemplate::GetSaved() const { return GetDespacho().Leer("Saved").Logico(); }

void ComTemplate::SetSaved(bool saved) { GetDespacho().Escribir("Saved", Variante::Logico(saved)); }

void ComTemplate::Save() { GetDespacho().Llamar("Save"); }

}  // namespace quillora::com
