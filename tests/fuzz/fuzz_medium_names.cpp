// The names the editor and make-medium.sh derive from a medium's texts: the
// label in each place it goes, and safe names for new files. Whatever the
// text (the menu's caption, a display name, a file's name), each stays
// within what its format allows, and new names don't repeat.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "menu/medium_file_names.h"
#include "menu/medium_label.h"
#include "menu/utf8.h"

namespace {

void Expect(bool condition) {
  if (!condition) __builtin_trap();
}

size_t Utf16Units(const std::string& utf8) {
  size_t units = 0;
  for (size_t at = 0; at < utf8.size();) units += pandor::NextCodePoint(utf8, at) > 0xFFFF ? 2 : 1;
  return units;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  const std::string iso = pandor::IsoVolumeId(text);
  Expect(!iso.empty() && iso.size() <= 32 && iso.front() != '_' && iso.back() != '_');
  for (char c : iso) Expect((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_');
  Expect(Utf16Units(pandor::JolietVolumeId(text)) <= 16);
  for (unsigned char c : pandor::AutorunInfLabel(text)) Expect(c >= 0x20);
  const std::string inf = pandor::AutorunInf(text);
  Expect(inf.size() >= 2 && inf.compare(inf.size() - 2, 2, "\r\n") == 0);

  std::set<std::string> taken;
  for (int i = 0; i < 3; ++i) {
    const std::string name = pandor::SafeFileName(text, ".txt", [&taken](const std::string& n) { return taken.count(n) > 0; });
    Expect(!name.empty() && name.size() <= pandor::kMaxSafeFileNameLength && taken.insert(name).second);
    for (char c : name) Expect((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.');
  }
  return 0;
}
