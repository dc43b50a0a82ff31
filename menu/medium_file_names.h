#pragma once
// Names for the files the editor puts into a medium's folders: a description
// named after its program ("Mein Büro-Programm" → mein_buero_programm.txt), a
// copied picture or run file after its own name. They survive as written in
// ISO 9660 (as xorriso writes it beside Joliet), Joliet and FAT, on Windows
// and on a case-sensitive copy alike.

#include <functional>
#include <string>

namespace pandor {

constexpr size_t kMaxSafeFileNameLength = 30;  // with the extension
constexpr const char* kFallbackFileStem = "programm";

// The text's PlainLetters in lower case, every run of other characters one
// '_' (none at either end), then the extension (".txt"; made safe alike,
// at most 10 characters with its full stop), at most kMaxSafeFileNameLength
// in all; kFallbackFileStem when no letter or digit is left. While `taken`
// says a name is there (the caller compares ignoring letter case), or the
// name is one Windows keeps for a device (con, nul, com1, ...), "_2", "_3",
// ... go before the extension, the stem cut to leave them room.
std::string SafeFileName(const std::string& utf8Text, const std::string& extension,
                         const std::function<bool(const std::string&)>& taken);

}  // namespace pandor
