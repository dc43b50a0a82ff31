#pragma once
// The checker reads menu files as Windows-1252; names on disk come as UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace pandor::check {

// UTF-8 to Windows-1252; nothing when a character has no Windows-1252 byte.
std::optional<std::string> Utf8To1252(std::string_view utf8);

// A key that texts equal ignoring case share: ASCII letters folded, every
// byte above 127 the same. Texts with one key may still differ.
std::string CaseBucket(std::string_view text);

}  // namespace pandor::check
