#pragma once

#include <map>

#include "conexion_com.h"
#include "sesion_com.h"
#include "word/command_bars.h"

namespace quillora::com {

class ComCommandBarControl final : public word::CommandBarControl, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

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
  // The bitmap file is loaded only once Office is known to take pictures.
  void SetPicture(const word::Picture& picture) override;
  void SetMask(const word::Picture& mask) override;
  void Delete() override;

  // Connects a sink for _CommandBarButtonEvents; the cookie is Office's.
  std::int32_t AddClickHandler(ClickHandler handler) override;
  // Never throws (see Conexion::Desconectar); an unknown cookie is ignored.
  void RemoveClickHandler(std::int32_t cookie) override;

 private:
  void PonerImagen(std::string_view propiedad, const word::Picture& imagen);

  // A connection ends with its entry: the wrapper's end disconnects the handlers left.
  std::map<std::int32_t, Conexion> conexiones_;
};

}  // namespace quillora::com
