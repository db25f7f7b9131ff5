#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace quillora::word {

class Range;

// A Word comment. Every member of a deleted comment throws HostError.
class Comment {
 public:
  virtual ~Comment() = default;
  virtual std::string GetInitial() const = 0;
  virtual void SetInitial(const std::string& iniciales) = 0;
  virtual std::string GetAuthor() const = 0;
  virtual void SetAuthor(const std::string& autor) = 0;
  // The commented stretch of the main text.
  virtual std::shared_ptr<Range> GetScope() const = 0;
  // The comment's own text; its Parent is the document holding the comment.
  virtual std::shared_ptr<Range> GetRange() const = 0;
  virtual void Delete() = 0;
};

// The comments of a document or of a range, in document order. Deleting a comment moves the
// later ones down by one position.
class Comments {
 public:
  virtual ~Comments() = default;
  virtual std::int32_t Count() const = 0;
  // By position from 1; a bad position throws HostError.
  virtual std::shared_ptr<Comment> Item(std::int32_t index) const = 0;
  // Adds a comment over `scope` (a range of the same document) with the given text.
  virtual std::shared_ptr<Comment> Add(const Range& scope, const std::string& texto) = 0;
};

}  // namespace quillora::word
