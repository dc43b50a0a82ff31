// Windows-1252 versions of the locale operations, for builds without Windows.
#include "menu/locale_text.h"
#include "menu/text_1252.h"

namespace pandor {
namespace {

unsigned char FoldCase1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);  // À..Þ except ×
  switch (c) {
    case 0x8A: return 0x9A;  // Š
    case 0x8C: return 0x9C;  // Œ
    case 0x8E: return 0x9E;  // Ž
    case 0x9F: return 0xFF;  // Ÿ
    default: return c;
  }
}

}  // namespace

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase1252(static_cast<unsigned char>(a[i])) != FoldCase1252(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

std::string AnsiToUtf8(std::string_view ansi) { return Windows1252ToUtf8(ansi); }

}  // namespace pandor
