#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace quillora {

// Hash for maps keyed by std::string that are searched with a std::string_view, so a lookup
// builds no string.
struct HashTexto {
  using is_transparent = void;

  std::size_t operator()(std::string_view texto) const noexcept {
    return std::hash<std::string_view>{}(texto);
  }
};

}  // namespace quillora
