#pragma once

#include <map>
#include <memory>
#include <string>

#include "story.h"
#include "word/window.h"

namespace quillora::memory {

class MemoryDocument;

class MemorySelection final : public word::Selection,
                              public std::enable_shared_from_this<MemorySelection> {
 public:
  explicit MemorySelection(const std::shared_ptr<MemoryDocument>& document);
  std::int32_t GetStart() const override { return span_.start; }
  std::int32_t GetEnd() const override { return span_.end; }
  std::shared_ptr<word::Comments> GetComments() const override;

  // Host side: what the user selects.
  void Select(std::int32_t start, std::int32_t end);

 private:
  std::weak_ptr<MemoryDocument> document_;
  std::shared_ptr<Story> story_;  // declared before span_, which lives in it
  LiveSpan span_;
};

// A view that shows or hides each reviewer's comments; on a host without per-reviewer views,
// asking for a reviewer fails as a member missing at run time.
class MemoryView final : public word::View {
 public:
  explicit MemoryView(bool perReviewerViews);
  std::shared_ptr<word::Reviewers> GetReviewers() override;

  // Host side: reviewers are visible until hidden.
  bool ReviewerVisible(const std::string& nombre) const;

 private:
  bool perReviewerViews_;
  std::shared_ptr<std::map<std::string, bool>> hidden_;
};

class MemoryWindow final : public word::Window {
 public:
  MemoryWindow(const std::shared_ptr<MemoryDocument>& document, bool perReviewerViews);
  std::shared_ptr<word::Selection> GetSelection() const override { return selection_; }
  std::shared_ptr<word::View> GetView() const override { return view_; }

  const std::shared_ptr<MemorySelection>& Selection() const { return selection_; }
  const std::shared_ptr<MemoryView>& View() const { return view_; }

 private:
  std::shared_ptr<MemorySelection> selection_;
  std::shared_ptr<MemoryView> view_;
};

}  // namespace quillora::memory
