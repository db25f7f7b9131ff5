#pragma once

#include "sesion_com.h"
#include "word/window.h"

namespace quillora::com {

class ComSelection final : public word::Selection, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::int32_t GetStart() const override;
  std::int32_t GetEnd() const override;
  std::shared_ptr<word::Comments> GetComments() const override;
};

class ComReviewer final : public word::Reviewer, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  bool GetVisible() const override;
  void SetVisible(bool visible) override;
};

class ComReviewers final : public word::Reviewers, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::shared_ptr<word::Reviewer> Item(const std::string& nombre) override;
};

class ComView final : public word::View, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  // NotSupported on a Word without per-reviewer views.
  std::shared_ptr<word::Reviewers> GetReviewers() override;
};

class ComWindow final : public word::Window, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::shared_ptr<word::Selection> GetSelection() const override;
  std::shared_ptr<word::View> GetView() const override;
};

}  // namespace quillora::com
