#include "menu/medium_file_names.h"

#include "menu/medium_label.h"

namespace pandor {
namespace {

constexpr size_t kMaxExtensionLength = 10;

bool IsSafe(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// Lower-case ASCII letters and digits, every run of other characters one '_', none at either end.
std::string SafeWord(const std::string& utf8Text) {
  std::string word;
  for (char c : PlainLetters(utf8Text)) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (IsSafe(c)) {
      word += c;
    } else if (!word.empty() && word.back() != '_') {
      word += '_';
    }
  }
  if (!word.empty() && word.back() == '_') word.pop_back();
  return word;
}

std::string SafeExtension(const std::string& extension) {
  const std::string word = SafeWord(extension).substr(0, kMaxExtensionLength - 1);
  return word.empty() ? "" : "." + word;
}

// Names Windows takes for a device whatever their extension: "con.txt" opens no file.
bool IsDeviceName(const std::string& stem) {
  for (const char* device : {"con", "prn", "aux", "nul"}) {
    if (stem == device) return true;
  }
  return stem.size() == 4 && (stem.compare(0, 3, "com") == 0 || stem.compare(0, 3, "lpt") == 0) && stem[3] >= '1' &&
         stem[3] <= '9';
}

// The stem cut to `length`, without a '_' left at its end.
std::string CutStem(const std::string& stem, size_t length) {
  std::string cut = stem.substr(0, length);
  while (!cut.empty() && cut.back() == '_') cut.pop_back();
  return cut;
}

}  // namespace

std::string SafeFileName(const std::string& utf8Text, const std::string& extension,
                         const std::function<bool(const std::string&)>& taken) {
  const std::string ending = SafeExtension(extension);
  std::string stem = CutStem(SafeWord(utf8Text), kMaxSafeFileNameLength - ending.size());
  if (stem.empty()) stem = kFallbackFileStem;
  std::string name = stem + ending;
  for (int number = 2; IsDeviceName(name.substr(0, name.size() - ending.size())) || taken(name); ++number) {
    const std::string suffix = "_" + std::to_string(number);
    name = CutStem(stem, kMaxSafeFileNameLength - ending.size() - suffix.size()) + suffix + ending;
  }
  return name;
}

}  // namespace pandor
