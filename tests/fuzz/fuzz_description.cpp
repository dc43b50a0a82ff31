// A description file as the description box shows it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "menu/description.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = pandor::DescriptionText(std::string_view(reinterpret_cast<const char*>(data), size));
  // Every line break is CR LF: no lone CR or LF is left.
  for (size_t i = 0; i < text.size(); ++i) {
    if ((text[i] == '\r') != (i + 1 < text.size() && text[i + 1] == '\n')) __builtin_trap();
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) __builtin_trap();
  }
  return 0;
}
