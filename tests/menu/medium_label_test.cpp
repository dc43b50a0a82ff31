// The label's rules beyond the cases tests/scripts/medium_label_test.py
// checks through pandor7-label: the plain letters, text that isn't Latin or
// isn't UTF-8, and the lengths counted in characters.
#include <gtest/gtest.h>

#include "menu/medium_label.h"
#include "menu/utf8.h"

namespace pandor {
namespace {

TEST(PlainLettersTest, UmlautsAreSpeltOutAndOtherLettersLoseTheirAccents) {
  EXPECT_EQ(PlainLetters("Mein Büro-Programm"), "Mein Buero-Programm");
  EXPECT_EQ(PlainLetters("ÄÖÜäöüßẞ"), "AEOEUEaeoeuessSS");
  EXPECT_EQ(PlainLetters("Çà Łódź Œuvre Ĳssel Þórr ðı Ħ Ŀŀ ŉ ſ"), "Ca Lodz OEuvre IJssel THorr di H Ll n s");
  EXPECT_EQ(PlainLetters("Gru\xCC\x88\xC3\x9F" "e"), "Grusse");  // an accent written apart
  EXPECT_EQ(PlainLetters("3×4÷2 – Ωμέγα 日本 €"), "3×4÷2 – Ωμέγα 日本 €");
}

TEST(PlainLettersTest, EveryLetterOfLatin1AndExtendedAHasAsciiLetters) {
  for (char32_t c = 0xC0; c <= 0x17F; ++c) {
    if (c == 0xD7 || c == 0xF7) continue;  // × ÷
    std::string letter;
    AppendUtf8(letter, c);
    const std::string plain = PlainLetters(letter);
    EXPECT_FALSE(plain.empty()) << letter;
    for (char p : plain) EXPECT_TRUE((p >= 'A' && p <= 'Z') || (p >= 'a' && p <= 'z')) << letter << " → " << plain;
  }
}

TEST(MediumLabelTest, LettersBeyondLatinNameTheMediumSymbolsDoNot) {
  EXPECT_EQ(JolietVolumeId("Ωμέγα"), "Ωμέγα");
  EXPECT_EQ(IsoVolumeId("Ωμέγα"), kDefaultMediumLabel);  // nothing of it left in A-Z
  EXPECT_EQ(AutorunInfLabel("Ωμέγα"), "_____");
  for (const char* symbols : {"★ ☆ –", "…!?", "€ ©", "😀", "\xCC\x88"}) {
    EXPECT_EQ(JolietVolumeId(symbols), kDefaultMediumLabel) << symbols;
    EXPECT_EQ(AutorunInfLabel(symbols), kDefaultMediumLabel) << symbols;
  }
}

TEST(MediumLabelTest, LengthsCountCharactersNotBytes) {
  EXPECT_EQ(JolietVolumeId("Äöüäöüäöüäöüäöüäöü"), "Äöüäöüäöüäöüäöüä");  // 16 of 18, two bytes each
  EXPECT_EQ(JolietVolumeId("Foto 😀 Album"), "Foto _ Album");  // beyond UCS-2
  EXPECT_EQ(IsoVolumeId(std::string(31, 'A') + " Ü"), std::string(31, 'A'));  // no _ left at the cut
  EXPECT_EQ(IsoVolumeId("Über"), "UEBER");
}

TEST(MediumLabelTest, BytesThatArentUtf8AreNoLetters) {
  EXPECT_EQ(IsoVolumeId("\xFF\xFE"), kDefaultMediumLabel);
  EXPECT_EQ(IsoVolumeId("CD\xC3"), "CD");
  EXPECT_EQ(JolietVolumeId("A\xFF" "B"), "A\xEF\xBF\xBD" "B");  // the replacement character
  EXPECT_EQ(AutorunInfLabel("A\xFF" "B"), "A_B");
}

TEST(MediumLabelTest, AutorunInfLabelTakesWhatWindows1252HasElsePlainLetters) {
  EXPECT_EQ(AutorunInfLabel("Œuvre – 5 €"), "\x8Cuvre \x96 5 \x80");
  EXPECT_EQ(AutorunInfLabel("Ştefan Ĳssel"), "Stefan IJssel");
  EXPECT_EQ(AutorunInfLabel("Cafe\xCC\x81"), "Cafe");
  EXPECT_EQ(AutorunInfLabel("a\x7F" "b\xC2\x85" "c"), "a_b_c");  // control characters
  EXPECT_EQ(AutorunInf(""), "[autorun]\r\nopen=autorun.exe\r\nicon=autorun.exe,0\r\nlabel=PANDOR7\r\n");
}

}  // namespace
}  // namespace pandor
