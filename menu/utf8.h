#pragma once
// Code points in and out of UTF-8, for the rules that look at characters
// rather than bytes (Windows-1252, the medium's label, file names).

#include <string>
#include <string_view>

namespace pandor {

// The replacement character: what a byte that starts no valid sequence reads as.
constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code point at text[at], moving `at` past it. An invalid, overlong or
// cut-off sequence, or a surrogate, reads as kReplacementCharacter and
// moves on by one byte.
char32_t NextCodePoint(std::string_view text, size_t& at);

void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace pandor
