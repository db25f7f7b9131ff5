#pragma once

#include <string>
#include <string_view>

namespace quillora::win32 {

// Conversions between UTF-8 and the system's ANSI code page, which the "A" functions of the
// Win32 API speak. A character the code page lacks becomes the code page's default character.
std::string Utf8AAnsi(std::string_view utf8);
std::string AnsiAUtf8(std::string_view ansi);

}  // namespace quillora::win32
