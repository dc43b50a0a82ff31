// The author's text in the ANSI code page of the test prefix (Windows-1252):
// what it holds comes through byte for byte, what it lacks is named once each
// and never replaced by a look-alike.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/ansi_text.h"

namespace pandor {
namespace {

TEST(AnsiTextTest, CodePageCharactersBecomeTheirBytes) {
  ASSERT_EQ(GetACP(), 1252u);
  const AnsiText text = ToAnsi(L"Grüße, 5 € – „gut“");
  EXPECT_TRUE(text.Complete());
  EXPECT_EQ(text.bytes, "Gr\xFC\xDF" "e, 5 \x80 \x96 \x84gut\x93");
  EXPECT_TRUE(ToAnsi(L"").Complete());
  EXPECT_EQ(ToAnsi(L"").bytes, "");
}

TEST(AnsiTextTest, MissingCharactersAreNamedOnceInOrder) {
  // "ł" has a best fit "l" in 1252, "中" none, "😀" is a surrogate pair.
  const AnsiText text = ToAnsi(L"Łódź ł 中 ł 😀 ä");
  EXPECT_FALSE(text.Complete());
  EXPECT_EQ(text.unrepresentable, L"Łźł中😀");
  EXPECT_EQ(ToAnsi(L"a\xD800" L"b").unrepresentable, L"\xD800");  // a lone surrogate
}

TEST(AnsiTextTest, MessageQuotesEachCharacter) {
  EXPECT_EQ(UnrepresentableMessage(L"ł"),
            "Dieses Zeichen kann die Codepage des Systems nicht darstellen: „ł“. Der Text wurde nicht übernommen.");
  EXPECT_EQ(UnrepresentableMessage(L"ł中😀"),
            "Diese Zeichen kann die Codepage des Systems nicht darstellen: „ł“ „中“ „😀“. Der Text wurde nicht "
            "übernommen.");
}

}  // namespace
}  // namespace pandor
