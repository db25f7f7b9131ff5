#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace quillora::word {

class CommandBar;
class CommandBarControl;
class CommandBarControls;

// A button picture, loaded from a bitmap file.
struct Picture {
  std::string archivo;
};

// The arguments of Controls.Add; what is not given keeps Office's default.
struct ControlAdd {
  std::int32_t Type = 1;  // msoControlButton
  std::int32_t Id = 1;    // a custom control
  std::string Parameter;
  std::int32_t Before = 0;  // 0: after the last control
  bool Temporary = false;
};

class CommandBars {
 public:
  virtual ~CommandBars() = default;
  // Throws HostError when no bar has the name.
  virtual std::shared_ptr<CommandBar> Item(const std::string& nombre) const = 0;
  // By position from 1; a bad position throws HostError.
  virtual std::shared_ptr<CommandBar> Item(std::int32_t index) const = 0;
  virtual std::int32_t Count() const = 0;
  // Throws HostError when a bar with the name exists.
  virtual std::shared_ptr<CommandBar> Add(const std::string& nombre, std::int32_t position,
                                          bool menuBar, bool temporary) = 0;
};

class CommandBar {
 public:
  virtual ~CommandBar() = default;
  virtual std::shared_ptr<CommandBarControls> GetControls() const = 0;
  virtual void Delete() = 0;
  virtual bool GetEnabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // None when no control of the bar has the tag.
  virtual std::shared_ptr<CommandBarControl> FindControl(const std::string& tag) const = 0;
  virtual std::string GetName() const = 0;
  // Throws HostError when another bar has the name.
  virtual void SetName(const std::string& nombre) = 0;
  virtual std::int32_t GetPosition() const = 0;
  virtual void SetPosition(std::int32_t position) = 0;
  virtual bool GetVisible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual std::int32_t GetWidth() const = 0;
  virtual void SetWidth(std::int32_t width) = 0;
};

class CommandBarControls {
 public:
  virtual ~CommandBarControls() = default;
  virtual std::shared_ptr<CommandBarControl> Add(const ControlAdd& argumentos) = 0;
  // By position from 1; a bad position throws HostError.
  virtual std::shared_ptr<CommandBarControl> Item(std::int32_t position) const = 0;
};

// A control of a command bar, used as a button. Every member of a deleted control throws.
class CommandBarControl {
 public:
  // Click(Ctrl, CancelDefault).
  using ClickHandler =
      std::function<void(const std::shared_ptr<CommandBarControl>& ctrl, bool& cancelDefault)>;

  virtual ~CommandBarControl() = default;
  virtual bool GetBeginGroup() const = 0;
  virtual void SetBeginGroup(bool beginGroup) = 0;
  virtual std::string GetCaption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string GetDescriptionText() const = 0;
  virtual void SetDescriptionText(const std::string& texto) = 0;
  virtual std::string GetTag() const = 0;
  virtual void SetTag(const std::string& tag) = 0;
  virtual std::string GetTooltipText() const = 0;
  virtual void SetTooltipText(const std::string& texto) = 0;
  virtual bool GetVisible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual std::int32_t GetFaceId() const = 0;
  virtual void SetFaceId(std::int32_t faceId) = 0;
  virtual std::int32_t GetStyle() const = 0;
  virtual void SetStyle(std::int32_t style) = 0;
  // Reached by name at run time: throw NotSupported on an Office without button pictures.
  virtual void SetPicture(const Picture& picture) = 0;
  virtual void SetMask(const Picture& mask) = 0;
  virtual void Delete() = 0;

  // Connects a Click handler; the number returned disconnects it.
  virtual std::int32_t AddClickHandler(ClickHandler handler) = 0;
  virtual void RemoveClickHandler(std::int32_t cookie) = 0;
};

}  // namespace quillora::word
