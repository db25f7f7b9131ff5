#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace quillora::word {

class Comments;

class Selection {
 public:
  virtual ~Selection() = default;
  virtual std::int32_t GetStart() const = 0;
  virtual std::int32_t GetEnd() const = 0;
  // The comments of the selected stretch.
  virtual std::shared_ptr<Comments> GetComments() const = 0;
};

class Reviewer {
 public:
  virtual ~Reviewer() = default;
  virtual bool GetVisible() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

// The reviewers of a view, by name.
class Reviewers {
 public:
  virtual ~Reviewers() = default;
  virtual std::shared_ptr<Reviewer> Item(const std::string& nombre) = 0;
};

class View {
 public:
  virtual ~View() = default;
  // Reached by name at run time: throws NotSupported on a host without per-reviewer views.
  virtual std::shared_ptr<word::Reviewers> GetReviewers() = 0;
};

class Window {
 public:
  virtual ~Window() = default;
  virtual std::shared_ptr<Selection> GetSelection() const = 0;
  virtual std::shared_ptr<View> GetView() const = 0;
};

}  // namespace quillora::word
