#pragma once
// The medium's label in each place it goes, as its format allows
// (docs/menu-format.md#iso-image). scripts/make-medium.sh takes them through
// pandor7-label; the editor writes autorun.inf onto a stick with them.
// Labels are UTF-8; a label with no letter or digit names nothing and
// kDefaultMediumLabel stands in.

#include <string>

namespace pandor {

constexpr const char* kDefaultMediumLabel = "PANDOR7";

// Umlauts spelt out the German way (Ä: AE, ß: ss), the other letters of
// Latin-1 and Latin Extended-A without their accents (é: e, Ł: L, Þ: TH),
// accents written apart from their letter (U+0300..U+036F) dropped; every
// other character as it is.
std::string PlainLetters(const std::string& utf8Text);

// ISO 9660: A-Z, 0-9 and _, at most 32; plain letters in capitals, every
// other character _, no _ twice or at either end.
std::string IsoVolumeId(const std::string& utf8Label);

// Joliet, UTF-8: at most 16 UCS-2 characters as written, * / : ; ? \,
// control characters and those beyond UCS-2 made _, trailing blanks dropped.
std::string JolietVolumeId(const std::string& utf8Label);

// label= of autorun.inf, in Windows-1252 bytes: the whole label, a character
// the code page lacks as its plain letters, else _; control characters _.
std::string AutorunInfLabel(const std::string& utf8Label);

// The whole autorun.inf that starts the menu, CR LF after each line.
std::string AutorunInf(const std::string& utf8Label);

}  // namespace pandor
