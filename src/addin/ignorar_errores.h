#pragma once

#include <exception>

namespace quillora {

// Runs one step whose failure is ignored, as the add-in does wherever Word may refuse a request
// and the next step should still run. Answers whether the step ran without error.
template <typename Paso>
bool IgnorarErrores(Paso&& paso) {
  try {
    paso();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace quillora
