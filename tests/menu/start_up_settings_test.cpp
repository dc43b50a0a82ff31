// The order and kinds in which the start-up reads the settings.
#include <gtest/gtest.h>

#include "menu/menu_error.h"
#include "menu/start_up_settings.h"

namespace pandor {
namespace {

// The lines of a complete settings file, every value valid.
LineList GoodLines() {
  return {"5600.0", "255", "1", "0", "Titel", "Hallo", "0", "0", "0", "Status", "1", "Arial", "10", "0", "1", "1", "2"};
}

TEST(StartUpSettingsTest, LinesOneToSixteenInOrderTheSoundSwitchOnlyWithASound) {
  std::vector<int> withSound, withoutSound;
  for (const StartUpSetting& s : StartUpSettings(true)) withSound.push_back(s.line);
  for (const StartUpSetting& s : StartUpSettings(false)) withoutSound.push_back(s.line);
  EXPECT_EQ(withSound, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
  EXPECT_EQ(withoutSound, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16}));
}

TEST(StartUpSettingsTest, EachLineIsReadAsItsKind) {
  const Settings settings(GoodLines());
  std::map<int, SettingValue> read;
  ReadStartUpSettings(settings, true, [&](SettingsLine line, const SettingValue& value) { read[line] = value; });
  EXPECT_EQ(read[kBackgroundColourLine].colour.Rgb(), 255u);
  EXPECT_FALSE(read[kInfoPanelShownLine].on);  // "1": shown, not folded
  EXPECT_EQ(*read[kCaptionLine].text, "Titel");
  EXPECT_TRUE(read[kTickerSwitchLine].on);
  EXPECT_EQ(read[kMenuFontSizeLine].integer, 10);
  EXPECT_TRUE(read[kSoundLoopLine].on);
  EXPECT_EQ(read[kIconStyleLine].integer, 2);

  LineList folded = GoodLines();
  folded[kInfoPanelShownLine] = "0";
  ReadStartUpSettings(Settings(folded), true, [&](SettingsLine line, const SettingValue& value) { read[line] = value; });
  EXPECT_TRUE(read[kInfoPanelShownLine].on);
}

TEST(StartUpSettingsTest, TheFirstBadLineStopsAfterTheLinesBeforeIt) {
  LineList lines = GoodLines();
  lines[kMenuFontSizeLine] = "10 ";
  lines[kIconStyleLine] = "zwei";
  std::vector<int> applied;
  try {
    ReadStartUpSettings(Settings(lines), false, [&](SettingsLine line, const SettingValue&) { applied.push_back(line); });
    FAIL() << "no error";
  } catch (const MenuError& error) {
    EXPECT_STREQ(error.what(), "'10 ' ist kein gültiger Integerwert");
  }
  EXPECT_EQ(applied, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));

  // Without a sound, a file that ends before line 14 fails at line 15.
  lines = GoodLines();
  lines.resize(kSoundLoopLine);
  try {
    ReadStartUpSettings(Settings(lines), false, [](SettingsLine, const SettingValue&) {});
    FAIL() << "no error";
  } catch (const MenuError& error) {
    EXPECT_STREQ(error.what(), "Der Index der Liste überschreitet das Maximum (15)");
  }
}

}  // namespace
}  // namespace pandor
