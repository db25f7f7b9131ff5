#pragma once

#include "sesion_com.h"
#include "word/comment.h"

namespace quillora::com {

class ComComment final : public word::Comment, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::string GetInitial() const override;
  void SetInitial(const std::string& iniciales) override;
  std::string GetAuthor() const override;
  void SetAuthor(const std::string& autor) override;
  std::shared_ptr<word::Range> GetScope() const override;
  std::shared_ptr<word::Range> GetRange() const override;
  void Delete() override;
};

class ComComments final : public word::Comments, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::int32_t Count() const override;
  std::shared_ptr<word::Comment> Item(std::int32_t index) const override;
  // `scope` must be a range of this host.
  std::shared_ptr<word::Comment> Add(const word::Range& scope, const std::string& texto) override;
};

}  // namespace quillora::com
