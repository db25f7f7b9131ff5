#pragma once

#include "sesion_com.h"
#include "word/range.h"

namespace quillora::com {

class ComRange final : public word::Range, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::string GetText() const override;
  void SetText(const std::string& texto) override;
  std::int32_t GetStart() const override;
  std::int32_t GetEnd() const override;
  void SetRange(std::int32_t start, std::int32_t end) override;
  std::shared_ptr<word::Words> GetWords() const override;
  std::shared_ptr<word::Paragraphs> GetParagraphs() const override;
  std::shared_ptr<word::Comments> GetComments() const override;
  std::shared_ptr<word::Document> GetParent() const override;
  std::shared_ptr<word::Range> Next(word::Unidad unidad, std::int32_t count) const override;
  std::shared_ptr<word::Range> Previous(word::Unidad unidad, std::int32_t count) const override;
};

class ComWords final : public word::Words, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::int32_t Count() const override;
  std::shared_ptr<word::Range> GetFirst() const override;
  std::shared_ptr<word::Range> Item(std::int32_t index) const override;
};

class ComParagraph final : public word::Paragraph, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::shared_ptr<word::Range> GetRange() const override;
};

class ComParagraphs final : public word::Paragraphs, public ObjetoCom {
 public:
  using ObjetoCom::ObjetoCom;

  std::int32_t Count() const override;
  std::shared_ptr<word::Paragraph> Item(std::int32_t index) const override;
};

}  // namespace quillora::com
