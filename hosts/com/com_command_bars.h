#pragma once

#include "sesion_com.h"
#include "word/command_bars.h"

namespace quillora::com {

class ComCommandBars final : public word::CommandBars, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::shared_ptr<word::CommandBar> Item(const std::string& nombre) const override;
  std::shared_ptr<word::CommandBar> Item(std::int32_t index) const override;
  std::int32_t Count() const override;
  std::shared_ptr<word::CommandBar> Add(const std::string& nombre, std::int32_t position,
                                        bool menuBar, bool temporary) override;
};

class ComCommandBar final : public word::CommandBar, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::shared_ptr<word::CommandBarControls> GetControls() const override;
  void Delete() override;
  bool GetEnabled() const override;
  void SetEnabled(bool enabled) override;
  std::shared_ptr<word::CommandBarControl> FindControl(const std::string& tag) const override;
  std::string GetName() const override;
  void SetName(const std::string& nombre) override;
  std::int32_t GetPosition() const override;
  void SetPosition(std::int32_t position) override;
  bool GetVisible() const override;
  void SetVisible(bool visible) override;
  std::int32_t GetWidth() const override;
  void SetWidth(std::int32_t width) override;
};

class ComCommandBarControls final : public word::CommandBarControls, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::shared_ptr<word::CommandBarControl> Add(const word::ControlAdd& argumentos) override;
  std::shared_ptr<word::CommandBarControl> Item(std::int32_t position) const override;
};

}  // namespace quillora::com
