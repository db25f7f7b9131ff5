#pragma once

#include <stdexcept>
#include <string>

namespace quillora::word {

// A failed host operation: what a COM error is when talking to Word.
class HostError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A member the host does not have, reached by name at run time (per-reviewer views, button
// pictures on an old Office).
class NotSupported : public HostError {
 public:
  explicit NotSupported(const std::string& member);
};

}  // namespace quillora::word
