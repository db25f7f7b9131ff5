#pragma once

#include <cstdint>
#include <memory>

namespace quillora::tag_variant {

// The identity number of a shared object: the same number for as long as the object lives, and a
// number never given to another object while the process lives (an address that is freed and
// reused by a new object gets a new number).
std::int32_t IdObjeto(const std::shared_ptr<const void>& objeto);

}  // namespace quillora::tag_variant
