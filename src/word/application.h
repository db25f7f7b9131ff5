#pragma once

#include <cstdint>
#include <memory>

namespace quillora::word {

class ApplicationEvents;
class CommandBars;
class Document;
class Documents;
class Window;

// Values of System.Cursor.
enum class Cursor : std::int32_t { Espera = 0, Normal = 2 };

class System {
 public:
  virtual ~System() = default;
  virtual Cursor GetCursor() const = 0;
  virtual void SetCursor(Cursor cursor) = 0;
};

class Template {
 public:
  virtual ~Template() = default;
  virtual bool GetSaved() const = 0;
  virtual void SetSaved(bool saved) = 0;
  virtual void Save() = 0;
};

class Application {
 public:
  virtual ~Application() = default;
  virtual std::shared_ptr<Documents> GetDocuments() const = 0;
  // Throws HostError when no document is active.
  virtual std::shared_ptr<Document> GetActiveDocument() const = 0;
  // The window that has the focus; throws HostError when no window is open.
  virtual std::shared_ptr<Window> GetActiveWindow() const = 0;
  virtual std::shared_ptr<System> GetSystem() const = 0;
  virtual std::shared_ptr<Template> GetNormalTemplate() const = 0;
  virtual bool GetDisplayScreenTips() const = 0;
  virtual void SetDisplayScreenTips(bool mostrar) = 0;
  virtual std::shared_ptr<CommandBars> GetCommandBars() const = 0;

  // Connects a sink to the application events; the application holds it until disconnected.
  virtual void Advise(const std::shared_ptr<ApplicationEvents>& sink) = 0;
  virtual void Unadvise(const std::shared_ptr<ApplicationEvents>& sink) = 0;
};

}  // namespace quillora::word
