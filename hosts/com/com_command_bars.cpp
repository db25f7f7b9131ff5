#include "com_command_bars.h"

#include "com_command_bar_control.h"

namespace quillora::com {

std::shared_ptr<word::CommandBar> ComCommandBars::Item(const std::string& nombre) const {
  return Envolver<ComCommandBar>(GetDespacho().Item(Variante::Texto(nombre)).ObjetoPresente());
}

std::shared_ptr<word::CommandBar> ComCommandBars::Item(std::int32_t index) const {
  return Envolver<ComCommandBar>(GetDespacho().Item(Variante::Entero(index)).ObjetoPresente());
}

std::int32_t ComCommandBars::Count() const { return GetDespacho().Leer("Count").Entero(); }

std::shared_ptr<word::CommandBar> ComCommandBars::Add(const std::string& nombre,
                                                      std::int32_t position, bool menuBar,
                                                      bool temporary) {
  return Envolver<ComCommandBar>(
      GetDespacho()
          .Llamar("Add", {Variante::Texto(nombre), Variante::Entero(position),
                          Variante::Logico(menuBar), Variante::Logico(temporary)})
          .ObjetoPresente());
}

std::shared_ptr<word::CommandBarControls> ComCommandBar::GetControls() const {
  return Envolver<ComCommandBarControls>(GetDespacho().Leer("Controls").ObjetoPresente());
}

void ComCommandBar::Delete() { GetDespacho().Llamar("Delete"); }

bool ComCommandBar::GetEnabled() const { return GetDespacho().Leer("Enabled").Logico(); }

void ComCommandBar::SetEnabled(bool enabled) {
  GetDespacho().Escribir("Enabled", Variante::Logico(enabled));
}

// Office answers Nothing when no control has the tag.
std::shared_ptr<word::CommandBarControl> ComCommandBar::FindControl(const std::string& tag) const {
  return Envolver<ComCommandBarControl>(
      GetDespacho().LlamarConNombre("FindControl", "Tag", Variante::Texto(tag)).Objeto());
}

std::string ComCommandBar::GetName() const { return GetDespacho().Leer("Name").Texto(); }

void ComCommandBar::SetName(const std::string& nombre) {
  GetDespacho().Escribir("Name", Variante::Texto(nombre));
}

std::int32_t ComCommandBar::GetPosition() const { return GetDespacho().Leer("Position").Entero(); }

void ComCommandBar::SetPosition(std::int32_t position) {
  GetDespacho().Escribir("Position", Variante::Entero(position));
}

bool ComCommandBar::GetVisible() const { return GetDespacho().Leer("Visible").Logico(); }

void ComCommandBar::SetVisible(bool visible) {
  GetDespacho().Escribir("Visible", Variante::Logico(visible));
}

std::int32_t ComCommandBar::GetWidth() const { return GetDespacho().Leer("Width").Entero(); }

void ComCommandBar::SetWidth(std::int32_t width) {
  GetDespacho().Escribir("Width", Variante::Entero(width));
}

// What the caller leaves at its default is left out, for Office to fill in.
std::shared_ptr<word::CommandBarControl> ComCommandBarControls::Add(
    const word::ControlAdd& argumentos) {
  return Envolver<ComCommandBarControl>(
      GetDespacho()
          .Llamar("Add", {Variante::Entero(argumentos.Type), Variante::Entero(argumentos.Id),
                          argumentos.Parameter.empty() ? Variante::Omitido()
                                                       : Variante::Texto(argumentos.Parameter),
                          argumentos.Before == 0 ? Variante::Omitido()
                                                 : Variante::Entero(argumentos.Before),
                          Variante::Logico(argumentos.Temporary)})
          .ObjetoPresente());
}

std::shared_ptr<word::CommandBarControl> ComCommandBarControls::Item(std::int32_t position) const {
  return Envolver<ComCommandBarControl>(
      GetDespacho().Item(Variante::Entero(position)).ObjetoPresente());
}

}  // namespace quillora::com
