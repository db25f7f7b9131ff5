#include "word/application_events.h"

namespace quillora::word {

void ApplicationEvents::DocumentOpen(const std::shared_ptr<Document>& /*doc*/) {}
void ApplicationEvents::NewDocument(const std::shared_ptr<Document>& /*doc*/) {}
void ApplicationEvents::DocumentBeforeClose(const std::shared_ptr<Document>& /*doc*/,
                                            bool& /*cancel*/) {}
void ApplicationEvents::WindowActivate(const std::shared_ptr<Document>& /*doc*/,
                                       const std::shared_ptr<Window>& /*wn*/) {}
void ApplicationEvents::WindowBeforeRightClick(const std::shared_ptr<Selection>& /*sel*/,
                                               bool& /*cancel*/) {}
void ApplicationEvents::Quit() {}

}  // namespace quillora::word
