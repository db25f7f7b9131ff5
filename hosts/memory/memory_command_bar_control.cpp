#include "memory_command_bar_control.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "memory_command_bar.h"
#include "word/host_error.h"

namespace quillora::memory {

using word::HostError;

MemoryCommandBarControl::MemoryCommandBarControl(std::weak_ptr<MemoryCommandBarControls> coleccion,
                                                 bool temporary, bool conImagenes)
    : coleccion_(std::move(coleccion)), temporary_(temporary), conImagenes_(conImagenes) {}

bool MemoryCommandBarControl::GetBeginGroup() const { return Leer(beginGroup_); }

void MemoryCommandBarControl::SetBeginGroup(bool beginGroup) { Escribir(beginGroup_, beginGroup); }

std::string MemoryCommandBarControl::GetCaption() const { return Leer(caption_); }

void MemoryCommandBarControl::SetCaption(const std::string& caption) {
  Escribir(caption_, caption);
}

std::string MemoryCommandBarControl::GetDescriptionText() const { return Leer(descriptionText_); }

void MemoryCommandBarControl::SetDescriptionText(const std::string& texto) {
  Escribir(descriptionText_, texto);
}

std::string MemoryCommandBarControl::GetTag() const { return Leer(tag_); }

void MemoryCommandBarControl::SetTag(const std::string& tag) { Escribir(tag_, tag); }

std::string MemoryCommandBarControl::GetTooltipText() const { return Leer(tooltipText_); }

void MemoryCommandBarControl::SetTooltipText(const std::string& texto) {
  Escribir(tooltipText_, texto);
}

bool MemoryCommandBarControl::GetVisible() const { return Leer(visible_); }

void MemoryCommandBarControl::SetVisible(bool visible) { Escribir(visible_, visible); }

std::int32_t MemoryCommandBarControl::GetFaceId() const { return Leer(faceId_); }

void MemoryCommandBarControl::SetFaceId(std::int32_t faceId) { Escribir(faceId_, faceId); }

std::int32_t MemoryCommandBarControl::GetStyle() const { return Leer(style_); }

void MemoryCommandBarControl::SetStyle(std::int32_t style) { Escribir(style_, style); }

void MemoryCommandBarControl::SetPicture(const word::Picture& picture) {
  picture_ = CargarImagen(picture, "Picture");
}

void MemoryCommandBarControl::SetMask(const word::Picture& mask) {
  mask_ = CargarImagen(mask, "Mask");
}

void MemoryCommandBarControl::Delete() {
  Comprobar();
  // Quitar may drop the last reference to this control, so nothing follows it.
  coleccion_.lock()->Quitar(*this);
}

std::int32_t MemoryCommandBarControl::AddClickHandler(ClickHandler handler) {
  Comprobar();
  if (!handler) {
    throw HostError("No se puede conectar un controlador de Click vacío");
  }
  manejadores_.emplace_back(siguienteCookie_, std::move(handler));
  return siguienteCookie_++;
}

void MemoryCommandBarControl::RemoveClickHandler(std::int32_t cookie) {
  std::erase_if(manejadores_, [cookie](const auto& par) { return par.first == cookie; });
}

bool MemoryCommandBarControl::GetTemporary() const { return Leer(temporary_); }

std::string MemoryCommandBarControl::GetPicture() const { return Leer(picture_); }

std::string MemoryCommandBarControl::GetMask() const { return Leer(mask_); }

std::vector<MemoryCommandBarControl::ClickHandler> MemoryCommandBarControl::Manejadores() const {
  std::vector<ClickHandler> copia;
  copia.reserve(manejadores_.size());
  for (const auto& par : manejadores_) {
    copia.push_back(par.second);
  }
  return copia;
}

void MemoryCommandBarControl::Desconectar() { manejadores_.clear(); }

void MemoryCommandBarControl::Borrar() {
  borrado_ = true;
  // A handler may hold this very control; dropping it now avoids a reference cycle.
  Desconectar();
}

void MemoryCommandBarControl::Comprobar() const {
  if (borrado_) {
    throw HostError("El control de la barra de comandos ya no existe");
  }
}

// Office loads the file as a bitmap: a missing, unreadable or non-bitmap file fails.
std::string MemoryCommandBarControl::CargarImagen(const word::Picture& imagen,
                                                  const char* miembro) const {
  Comprobar();
  if (!conImagenes_) {
    throw word::NotSupported(miembro);
  }
  std::ifstream archivo(imagen.archivo, std::ios::binary);
  std::array<char, 2> firma{};
  if (!archivo.read(firma.data(), firma.size()) || firma != std::array{'B', 'M'}) {
    throw HostError("No se puede cargar la imagen \"" + imagen.archivo + "\"");
  }
  return imagen.archivo;
}

}  // namespace quillora::memory
