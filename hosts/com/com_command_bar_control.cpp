#include "com_command_bar_control.h"

#include "eventos_office.h"
#include "imagen_com.h"
#include "objeto_com_propio.h"
#include "sumidero_click.h"
#include "word/host_error.h"

namespace quillora::com {

bool ComCommandBarControl::GetBeginGroup() const {
  return GetDespacho().Leer("BeginGroup").Logico();
}

void ComCommandBarControl::SetBeginGroup(bool beginGroup) {
  GetDespacho().Escribir("BeginGroup", Variante::Logico(beginGroup));
}

std::string ComCommandBarControl::GetCaption() const {
  return GetDespacho().Leer("Caption").Texto();
}

void ComCommandBarControl::SetCaption(const std::string& caption) {
  GetDespacho().Escribir("Caption", Variante::Texto(caption));
}

std::string ComCommandBarControl::GetDescriptionText() const {
  return GetDespacho().Leer("DescriptionText").Texto();
}

void ComCommandBarControl::SetDescriptionText(const std::string& texto) {
  GetDespacho().Escribir("DescriptionText", Variante::Texto(texto));
}

std::string ComCommandBarControl::GetTag() const { return GetDespacho().Leer("Tag").Texto(); }

void ComCommandBarControl::SetTag(const std::string& tag) {
  GetDespacho().Escribir("Tag", Variante::Texto(tag));
}

std::string ComCommandBarControl::GetTooltipText() const {
  return GetDespacho().Leer("TooltipText").Texto();
}

void ComCommandBarControl::SetTooltipText(const std::string& texto) {
  GetDespacho().Escribir("TooltipText", Variante::Texto(texto));
}

bool ComCommandBarControl::GetVisible() const { return GetDespacho().Leer("Visible").Logico(); }

void ComCommandBarControl::SetVisible(bool visible) {
  GetDespacho().Escribir("Visible", Variante::Logico(visible));
}

std::int32_t ComCommandBarControl::GetFaceId() const {
  return GetDespacho().Leer("FaceId").Entero();
}

void ComCommandBarControl::SetFaceId(std::int32_t faceId) {
  GetDespacho().Escribir("FaceId", Variante::Entero(faceId));
}

std::int32_t ComCommandBarControl::GetStyle() const { return GetDespacho().Leer("Style").Entero(); }

void ComCommandBarControl::SetStyle(std::int32_t style) {
  GetDespacho().Escribir("Style", Variante::Entero(style));
}

void ComCommandBarControl::SetPicture(const word::Picture& picture) {
  PonerImagen("Picture", picture);
}

void ComCommandBarControl::SetMask(const word::Picture& mask) { PonerImagen("Mask", mask); }

void ComCommandBarControl::PonerImagen(std::string_view propiedad, const word::Picture& imagen) {
  const auto miembro = GetDespacho().Buscar(propiedad);
  const auto cargada = CargarImagen(imagen.archivo);
  GetDespacho().Escribir(miembro, Variante::Objeto(cargada.Get()));
}

void ComCommandBarControl::Delete() { GetDespacho().Llamar("Delete"); }

std::int32_t ComCommandBarControl::AddClickHandler(ClickHandler handler) {
  if (!handler) throw word::HostError("No se puede conectar un controlador de Click vacío");
  const auto sumidero = NuevoObjetoPropio<SumideroClick>(std::move(handler), GetSesion());
  Conexion conexion(Objeto(), kDiidCommandBarButtonEvents, sumidero.Get(), "del botón");
  const auto cookie = static_cast<std::int32_t>(conexion.Cookie());
  conexiones_.insert_or_assign(cookie, std::move(conexion));
  return cookie;
}

void ComCommandBarControl::RemoveClickHandler(std::int32_t cookie) { conexiones_.erase(cookie); }

}  // namespace quillora::com
