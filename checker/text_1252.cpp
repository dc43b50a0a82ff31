#include "checker/text_1252.h"

#include <map>

#include "menu/locale_text.h"

namespace pandor::check {
namespace {

// The UTF-8 spelling of every byte above 127, from the menu's own conversion.
const std::map<std::string, char>& HighBytesByUtf8() {
  static const std::map<std::string, char> table = [] {
    std::map<std::string, char> bytes;
    for (int b = 0x80; b <= 0xFF; ++b) {
      const char byte = static_cast<char>(b);
      bytes.emplace(AnsiToUtf8(std::string_view(&byte, 1)), byte);
    }
    return bytes;
  }();
  return table;
}

size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::optional<std::string> Utf8To1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += utf8[i++];
      continue;
    }
    const size_t length = Utf8Length(lead);
    const auto found = HighBytesByUtf8().find(std::string(utf8.substr(i, length)));
    if (found == HighBytesByUtf8().end()) return std::nullopt;
    out += found->second;
    i += length;
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

}  // namespace pandor::check
