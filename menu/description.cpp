#include "menu/description.h"

namespace pandor {

std::string DescriptionText(std::string_view fileBytes) {
  const size_t nul = fileBytes.find('\0');
  if (nul != std::string_view::npos) fileBytes = fileBytes.substr(0, nul);
  std::string text;
  text.reserve(fileBytes.size() + fileBytes.size() / 16);
  for (size_t i = 0; i < fileBytes.size(); ++i) {
    const char c = fileBytes[i];
    if (c == '\r') {
      text += "\r\n";
      if (i + 1 < fileBytes.size() && fileBytes[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      text += "\r\n";
    } else {
      text += c;
    }
  }
  return text;
}

}  // namespace pandor
