#pragma once
// The settings file's integer notation.

#include <cstdint>
#include <optional>
#include <string_view>

namespace pandor {

// Leading spaces (not tabs), then either an optional sign directly followed by
// decimal digits (-2147483648 .. 2147483647), or one of the prefixes "$", "x",
// "X", "0x", "0X" followed by hex digits without sign (up to FFFFFFFF, taken as
// a 32-bit two's-complement value). Nothing may follow the last digit.
std::optional<int32_t> ParseStrictInteger(std::string_view text);

}  // namespace pandor
