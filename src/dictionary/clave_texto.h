#pragma once

#include <string>
#include <string_view>

namespace quillora {

// The key under which the dictionary stores and finds a text: upper case, accents kept, without
// leading and trailing U+0020 blanks. Letter case and outer blanks do not tell texts apart;
// accents do.
std::string ClaveTexto(std::string_view texto);

}  // namespace quillora
