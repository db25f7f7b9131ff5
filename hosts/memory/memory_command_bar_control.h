#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "word/command_bars.h"

namespace quillora::memory {

class MemoryCommandBarControls;

// A button of the in-memory Word. It lives in its bar's collection; once deleted (by Delete, with
// its bar, at a restart or when Word goes) every member throws HostError.
class MemoryCommandBarControl final : public word::CommandBarControl {
 public:
  MemoryCommandBarControl(std::weak_ptr<MemoryCommandBarControls> coleccion, bool temporary,
                          bool conImagenes);

  bool GetBeginGroup() const override;
  void SetBeginGroup(bool beginGroup) override;
  std::string GetCaption() const override;
  void SetCaption(const std::string& caption) override;
  std::string GetDescriptionText() const override;
  void SetDescriptionText(const std::string& texto) override;
  std::string GetTag() const override;
  void SetTag(const std::string& tag) override;
  std::string GetTooltipText() const override;
  void SetTooltipText(const std::string& texto) override;
  bool GetVisible() const override;
  void SetVisible(bool visible) override;
  std::int32_t GetFaceId() const override;
  void SetFaceId(std::int32_t faceId) override;
  std::int32_t GetStyle() const override;
  void SetStyle(std::int32_t style) override;
  void SetPicture(const word::Picture& picture) override;
  void SetMask(const word::Picture& mask) override;
  void Delete() override;
  std::int32_t AddClickHandler(ClickHandler handler) override;
  // Never throws: disconnecting is clean-up, and a connection ends anyway with its control.
  void RemoveClickHandler(std::int32_t cookie) override;

  // Host side.
  bool GetTemporary() const;
  // The bitmap files loaded as picture and mask; empty while none is set.
  std::string GetPicture() const;
  std::string GetMask() const;
  // Copies of the connected handlers, in the order of connection.
  std::vector<ClickHandler> Manejadores() const;
  // Ends every connection, as a restart of Word does.
  void Desconectar();
  // Marks the control deleted; its collection lets go of it.
  void Borrar();

 private:
  void Comprobar() const;
  // Every member first checks that the control still exists.
  template <typename T>
  const T& Leer(const T& campo) const {
    Comprobar();
    return campo;
  }
  template <typename T>
  void Escribir(T& campo, const T& valor) {
    Comprobar();
    campo = valor;
  }
  std::string CargarImagen(const word::Picture& imagen, const char* miembro) const;

  std::weak_ptr<MemoryCommandBarControls> coleccion_;
  bool temporary_;
  bool conImagenes_;
  bool borrado_ = false;
  bool beginGroup_ = false;
  bool visible_ = true;
  std::string caption_;
  std::string descriptionText_;
  std::string tag_;
  std::string tooltipText_;
  std::int32_t faceId_ = 0;
  std::int32_t style_ = 0;  // msoButtonAutomatic
  std::string picture_;
  std::string mask_;
  std::vector<std::pair<std::int32_t, ClickHandler>> manejadores_;
  std::int32_t siguienteCookie_ = 1;
};

}  // namespace quillora::memory
