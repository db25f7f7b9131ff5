#pragma once

#include <memory>

namespace quillora::word {

class Document;
class Selection;
class Window;

// Word's application events, raised on the user-interface thread one at a time. A sink
// overrides the ones it follows.
class ApplicationEvents {
 public:
  virtual ~ApplicationEvents() = default;
  virtual void DocumentOpen(const std::shared_ptr<Document>& doc);
  virtual void NewDocument(const std::shared_ptr<Document>& doc);
  virtual void DocumentBeforeClose(const std::shared_ptr<Document>& doc, bool& cancel);
  virtual void WindowActivate(const std::shared_ptr<Document>& doc,
                              const std::shared_ptr<Window>& wn);
  virtual void WindowBeforeRightClick(const std::shared_ptr<Selection>& sel, bool& cancel);
  virtual void Quit();
};

}  // namespace quillora::word
