#include "platform/ansi_text.h"

#include <windows.h>

#include "platform/text.h"

namespace pandor {
namespace {

// The text as one character: a surrogate pair stays together.
size_t CharacterLength(std::wstring_view text, size_t at) {
  const bool pair = at + 1 < text.size() && IS_HIGH_SURROGATE(text[at]) && IS_LOW_SURROGATE(text[at + 1]);
  return pair ? 2 : 1;
}

// Converted without best-fit mapping ("ł" would become "l"); `usedDefault`
// tells whether any character had to be replaced.
std::string Convert(std::wstring_view text, bool& usedDefault) {
  usedDefault = false;
  if (text.empty()) return {};
  BOOL defaulted = FALSE;
  const int length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &defaulted);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), size, nullptr, &defaulted);
  usedDefault = defaulted != FALSE || size == 0;
  return bytes;
}

}  // namespace

AnsiText ToAnsi(std::wstring_view text) {
  AnsiText result;
  bool usedDefault = false;
  result.bytes = Convert(text, usedDefault);
  if (!usedDefault) return result;
  // Only now, character by character: which ones the code page lacks. A
  // character that converts but doesn't come back as itself is lacking too.
  for (size_t at = 0; at < text.size();) {
    const size_t length = CharacterLength(text, at);
    const std::wstring_view character = text.substr(at, length);
    bool defaulted = false;
    const std::string byte = Convert(character, defaulted);
    const bool roundTrips = !defaulted && FromAnsi(byte) == character;
    if (!roundTrips && result.unrepresentable.find(character) == std::wstring::npos) {
      result.unrepresentable.append(character);
    }
    at += length;
  }
  return result;
}

std::string UnrepresentableMessage(const std::wstring& characters) {
  std::string quoted;
  size_t count = 0;
  for (size_t at = 0; at < characters.size(); ++count) {
    const size_t length = CharacterLength(characters, at);
    quoted += (count ? " „" : "„") + ToUtf8(std::wstring_view(characters).substr(at, length)) + "“";
    at += length;
  }
  return std::string(count == 1 ? "Dieses Zeichen kann" : "Diese Zeichen kann") +
         " die Codepage des Systems nicht darstellen: " + quoted + ". Der Text wurde nicht übernommen.";
}

}  // namespace pandor
