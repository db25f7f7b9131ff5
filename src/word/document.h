#pragma once

#include <cstdint>
#include <memory>

namespace quillora::word {

class Comments;
class Range;
class Window;

class Document {
 public:
  virtual ~Document() = default;
  virtual std::shared_ptr<Comments> GetComments() const = 0;
  virtual std::shared_ptr<Window> GetActiveWindow() const = 0;
  // The whole main text.
  virtual std::shared_ptr<word::Range> Range() const = 0;
  // A stretch of the main text; positions outside it throw HostError.
  virtual std::shared_ptr<word::Range> Range(std::int32_t start, std::int32_t end) const = 0;
};

class Documents {
 public:
  virtual ~Documents() = default;
  virtual std::int32_t Count() const = 0;
};

}  // namespace quillora::word
