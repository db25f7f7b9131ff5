#pragma once

#include <string>
#include <vector>

#include "common/rtf.h"

namespace quillora::terminal {

// Styled text for a terminal: bold, italic, underline and colours as ANSI escapes, or the plain
// text when colours are off (NO_COLOR, or output that is no terminal).
std::string ConEstilo(const std::vector<rtf::Tramo>& tramos, bool colores);

// Whether styled output should be written to the stream of this file descriptor.
bool ColoresEn(int descriptor);

}  // namespace quillora::terminal
