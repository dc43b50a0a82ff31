#include "menu/medium_label.h"

#include <array>
#include <cstring>

#include "menu/text_1252.h"
#include "menu/utf8.h"

namespace pandor {
namespace {

constexpr size_t kIsoVolumeIdLength = 32;
constexpr size_t kJolietVolumeIdLength = 16;
constexpr char32_t kFirstPlainLetter = 0xC0;

// U+00C0..U+017F plainly: "" where the character stays (× ÷).
constexpr std::array<const char*, 0x180 - kFirstPlainLetter> kPlainLetters = {
    "A", "A", "A", "A", "AE", "A", "AE", "C", "E",  "E",  "E", "E", "I", "I", "I",  "I",   // U+00C0
    "D", "N", "O", "O", "O",  "O", "OE", "",  "O",  "U",  "U", "U", "UE", "Y", "TH", "ss",  // U+00D0
    "a", "a", "a", "a", "ae", "a", "ae", "c", "e",  "e",  "e", "e", "i", "i", "i",  "i",   // U+00E0
    "d", "n", "o", "o", "o",  "o", "oe", "",  "o",  "u",  "u", "u", "ue", "y", "th", "y",  // U+00F0
    "A", "a", "A", "a", "A",  "a", "C",  "c", "C",  "c",  "C", "c", "C", "c", "D",  "d",   // U+0100
    "D", "d", "E", "e", "E",  "e", "E",  "e", "E",  "e",  "E", "e", "G", "g", "G",  "g",   // U+0110
    "G", "g", "G", "g", "H",  "h", "H",  "h", "I",  "i",  "I", "i", "I", "i", "I",  "i",   // U+0120
    "I", "i", "IJ", "ij", "J", "j", "K", "k", "k",  "L",  "l", "L", "l", "L", "l",  "L",   // U+0130
    "l", "L", "l", "N", "n",  "N", "n",  "N", "n",  "n",  "N", "n", "O", "o", "O",  "o",   // U+0140
    "O", "o", "OE", "oe", "R", "r", "R", "r", "R",  "r",  "S", "s", "S", "s", "S",  "s",   // U+0150
    "S", "s", "T", "t", "T",  "t", "T",  "t", "U",  "u",  "U", "u", "U", "u", "U",  "u",   // U+0160
    "U", "u", "U", "u", "W",  "w", "Y",  "y", "Y",  "Z",  "z", "Z", "z", "Z", "z",  "s",   // U+0170
};
constexpr char32_t kCapitalSharpS = 0x1E9E;

bool IsAsciiLetterOrDigit(char32_t c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// Letters and digits beyond ASCII, told apart from punctuation and symbols by
// their blocks: Latin-1 has both, the blocks of punctuation, symbols, marks,
// private use and emoji have none; every other character counts as a letter
// (a label in Greek, Cyrillic or Japanese names the medium).
bool IsOtherLetterOrDigit(char32_t c) {
  if (c < 0xC0) return c == 0xAA || c == 0xB5 || c == 0xBA;
  if (c == 0xD7 || c == 0xF7) return false;
  const struct {
    char32_t first, last;
  } kNoLetters[] = {{0x02B9, 0x036F}, {0x2000, 0x2BFF}, {0x2E00, 0x2E7F}, {0x3000, 0x303F}, {0xD800, 0xF8FF},
                    {0xFE00, 0xFE6F}, {0xFF00, 0xFF0F}, {0xFFF0, 0xFFFF}, {0x1F000, 0x1FAFF}, {0xE0000, 0x10FFFF}};
  for (const auto& range : kNoLetters) {
    if (c >= range.first && c <= range.last) return false;
  }
  return true;
}

// A label without any letter or digit: the default instead.
std::string WithContent(const std::string& label) {
  for (size_t at = 0; at < label.size();) {
    const char32_t c = NextCodePoint(label, at);
    if (IsAsciiLetterOrDigit(c) || IsOtherLetterOrDigit(c)) return label;
  }
  return kDefaultMediumLabel;
}

std::string PlainLettersOf(char32_t c) {
  if (c >= kFirstPlainLetter && c - kFirstPlainLetter < kPlainLetters.size() && *kPlainLetters[c - kFirstPlainLetter])
    return kPlainLetters[c - kFirstPlainLetter];
  if (c == kCapitalSharpS) return "SS";
  if (c >= 0x0300 && c <= 0x036F) return "";  // an accent written apart from its letter
  std::string kept;
  AppendUtf8(kept, c);
  return kept;
}

}  // namespace

std::string PlainLetters(const std::string& utf8Text) {
  std::string out;
  for (size_t at = 0; at < utf8Text.size();) out += PlainLettersOf(NextCodePoint(utf8Text, at));
  return out;
}

std::string IsoVolumeId(const std::string& utf8Label) {
  std::string id;
  for (char c : PlainLetters(WithContent(utf8Label))) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!IsAsciiLetterOrDigit(static_cast<unsigned char>(c))) c = '_';
    if (c == '_' && (id.empty() || id.back() == '_')) continue;
    if (id.size() == kIsoVolumeIdLength) break;
    id += c;
  }
  while (!id.empty() && id.back() == '_') id.pop_back();
  return id.empty() ? kDefaultMediumLabel : id;
}

std::string JolietVolumeId(const std::string& utf8Label) {
  const std::string label = WithContent(utf8Label);
  std::string id;
  size_t length = 0;
  for (size_t at = 0; at < label.size() && length < kJolietVolumeIdLength; ++length) {
    const char32_t c = NextCodePoint(label, at);
    const bool forbidden = c < 0x20 || c > 0xFFFF || (c < 0x80 && std::strchr("*/:;?\\", static_cast<int>(c)));
    AppendUtf8(id, forbidden ? U'_' : c);
  }
  while (!id.empty() && id.back() == ' ') id.pop_back();
  return id;
}

std::string AutorunInfLabel(const std::string& utf8Label) {
  const std::string label = WithContent(utf8Label);
  std::string bytes;
  for (size_t at = 0; at < label.size();) {
    const char32_t c = NextCodePoint(label, at);
    if (IsControl(c)) {
      bytes += '_';
    } else if (const std::optional<char> byte = CodePointTo1252(c)) {
      bytes += *byte;
    } else {
      bytes += Utf8To1252(PlainLettersOf(c)).value_or("_");
    }
  }
  return bytes;
}

std::string AutorunInf(const std::string& utf8Label) {
  return "[autorun]\r\nopen=autorun.exe\r\nicon=autorun.exe,0\r\nlabel=" + AutorunInfLabel(utf8Label) + "\r\n";
}

}  // namespace pandor
