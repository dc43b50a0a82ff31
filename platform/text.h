#pragma once
// Conversions between the program's texts and paths (UTF-8), the menu files'
// texts (the system's ANSI code page) and the wide texts that the Windows
// controls show and the wide functions take.

#include <string>
#include <string_view>

namespace pandor {

std::wstring FromUtf8(std::string_view utf8);
std::wstring FromAnsi(std::string_view ansi);
std::string ToUtf8(std::wstring_view wide);

}  // namespace pandor
