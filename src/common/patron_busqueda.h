#pragma once

#include <string>
#include <string_view>

namespace quillora::comun {

// What the user typed to look an entry up, as the body of a Like pattern placed between quotes:
// the fragment anywhere in the text whatever the accents on its vowels, "*" and "?" as
// wildcards, "[", "_", "%" and "^" as themselves, the quote doubled. The caller adds the "%"
// around it and the quotes.
std::string PatronBusqueda(std::string_view texto);

}  // namespace quillora::comun
