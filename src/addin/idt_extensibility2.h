#pragma once

#include <any>
#include <cstdint>
#include <memory>
#include <vector>

namespace quillora {

namespace word {
class Application;
}

// How the add-in is being loaded and unloaded, with Office's numbers.
enum class ext_ConnectMode : std::int32_t {
  ext_cm_AfterStartup = 0,
  ext_cm_Startup = 1,
  ext_cm_External = 2,
  ext_cm_CommandLine = 3
};
enum class ext_DisconnectMode : std::int32_t { ext_dm_HostShutdown = 0, ext_dm_UserClosed = 1 };

// The host's extra arguments, which the add-in does not read.
using Custom = std::vector<std::any>;

// The add-in extensibility interface through which Word drives an add-in's life.
class IDTExtensibility2 {
 public:
  virtual ~IDTExtensibility2() = default;
  // AddInInst is the host's object for this add-in; the add-in only holds it.
  virtual void OnConnection(std::shared_ptr<word::Application> Application,
                            ext_ConnectMode ConnectMode, std::shared_ptr<void> AddInInst,
                            const Custom& custom) = 0;
  virtual void OnDisconnection(ext_DisconnectMode RemoveMode, const Custom& custom) = 0;
  virtual void OnAddInsUpdate(const Custom& custom) = 0;
  virtual void OnStartupComplete(const Custom& custom) = 0;
  virtual void OnBeginShutdown(const Custom& custom) = 0;
};

}  // namespace quillora
