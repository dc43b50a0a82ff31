#pragma once
// Text operations that depend on the user's locale and code page. Windows
// builds use the system's (see platform/locale_text_win.cpp); elsewhere
// Windows-1252 stands in, since the menus are German.

#include <string>
#include <string_view>

namespace pandor {

// Whole-text equality ignoring letter case by the user's locale (so "Ä" equals "ä").
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// Bytes in the system's ANSI code page to UTF-8.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace pandor
