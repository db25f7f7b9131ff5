#pragma once

#include "sesion_com.h"
#include "word/document.h"

namespace quillora::com {

class ComDocument final : public word::Document, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::shared_ptr<word::Comments> GetComments() const override;
  std::shared_ptr<word::Window> GetActiveWindow() const override;
  std::shared_ptr<word::Range> Range() const override;
  std::shared_ptr<word::Range> Range(std::int32_t start, std::int32_t end) const override;
};

}  // namespace quillora::com
