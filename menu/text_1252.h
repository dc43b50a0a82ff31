#pragma once
// Windows-1252, the code page of German Windows, whatever the system's own:
// the checker reads menu files in it, and autorun.inf's label is written in
// it. Names on disk and texts inside the program are UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace pandor {

// Windows-1252 bytes to UTF-8; the five bytes the code page leaves free
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of their number.
std::string Windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 byte of a character; nothing when the code page lacks it.
std::optional<char> CodePointTo1252(char32_t codePoint);

// UTF-8 to Windows-1252; nothing when a character has no Windows-1252 byte
// or the text isn't UTF-8.
std::optional<std::string> Utf8To1252(std::string_view utf8);

// A key that texts equal ignoring case share: ASCII letters folded, every
// byte above 127 the same. Texts with one key may still differ.
std::string CaseBucket(std::string_view text);

}  // namespace pandor
