#include <gtest/gtest.h>

#include "menu/locale_text.h"
#include "menu/menu_error.h"

namespace pandor {
namespace {

struct FullStopCase {
  const char* text;
  const char* shown;
};

class FullStopTest : public ::testing::TestWithParam<FullStopCase> {};

TEST_P(FullStopTest, ErrorBoxClosesTextsThatEndInALetterOrDigit) {
  EXPECT_EQ(WithClosingFullStop(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    LastCharacter, FullStopTest,
    ::testing::Values(FullStopCase{"Bitmap ist ungültig", "Bitmap ist ungültig."},
                      FullStopCase{"Fehler 12", "Fehler 12."}, FullStopCase{"Frage?", "Frage?."},
                      FullStopCase{"Wert:", "Wert:."}, FullStopCase{"Größe", "Größe."},
                      FullStopCase{"Maximum (3)", "Maximum (3)"}, FullStopCase{"Achtung!", "Achtung!"},
                      FullStopCase{"Ende ", "Ende "}, FullStopCase{"Ende.", "Ende."},
                      FullStopCase{"'x' ist", "'x' ist."}, FullStopCase{"", ""}));

TEST(LocaleTextTest, CaseIsIgnoredForGermanLetters) {
  EXPECT_TRUE(SameTextIgnoringCase("SETUP", "Setup"));
  EXPECT_TRUE(SameTextIgnoringCase("\xC4rger", "\xE4rger"));  // Ärger / ärger
  EXPECT_TRUE(SameTextIgnoringCase("\xD6L", "\xF6l"));        // ÖL / öl
  EXPECT_FALSE(SameTextIgnoringCase("Setup", "Setup "));
  EXPECT_FALSE(SameTextIgnoringCase("a", "b"));
}

TEST(LocaleTextTest, AnsiTextBecomesUtf8) {
  EXPECT_EQ(AnsiToUtf8("Gr\xFC\xDF" "e \x80"), "Grüße €");
  EXPECT_EQ(AnsiToUtf8("plain"), "plain");
}

}  // namespace
}  // namespace pandor
