#include "menu/text_1252.h"

#include <array>
#include <cstdint>

#include "menu/utf8.h"

namespace pandor {
namespace {

// Code points of 0x80..0x9F in Windows-1252; 0 where the code page has no character.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  if (byte < 0x80 || byte > 0x9F || kHighControlRange[byte - 0x80] == 0) return byte;
  return kHighControlRange[byte - 0x80];
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char byte : bytes) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(byte)));
  return out;
}

std::optional<char> CodePointTo1252(char32_t codePoint) {
  if (codePoint > 0xFF) {
    for (size_t i = 0; i < kHighControlRange.size(); ++i) {
      if (kHighControlRange[i] == codePoint) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
  }
  if (CodePointOf(static_cast<unsigned char>(codePoint)) != codePoint) return std::nullopt;  // 0x80 is €, not U+0080
  return static_cast<char>(codePoint);
}

std::optional<std::string> Utf8To1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    const std::optional<char> byte = CodePointTo1252(NextCodePoint(utf8, at));
    if (!byte) return std::nullopt;
    out += *byte;
  }
  return out;
}

std::string CaseBucket(std::string_view text) {
  std::string key(text);
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (static_cast<unsigned char>(c) >= 0x80) c = '\x80';
  }
  return key;
}

}  // namespace pandor
