// options.dat changed by the editor: each setting written so that the menu
// reads it as the value, every other byte as it was.
#include <gtest/gtest.h>

#include <stdexcept>

#include "menu/settings_model.h"
#include "menu/start_up_settings.h"

namespace pandor {
namespace {

// A settings file with a colour in hexadecimal, a line end of each kind and no final line end.
const std::string kOptions =
    "5600.0\r\n$00FF0000\r\n1\r\n0\r\nTitel\nHallo\r0\r\n0\r\n0\r\nStatus\r\n1\r\nArial\r\n10\r\n0\r\n1\r\n1\r\n2\r\n"
    "[HELLO!]\r\nZeile 1\r\n\r\nZeile 3";

SettingValue Read(const SettingsModel& model, SettingsLine line) {
  const Settings settings = model.AsSettings();
  SettingValue value = ReadSetting(settings, *StartUpSettingOf(line));
  value.text = nullptr;  // points into `settings`
  return value;
}

TEST(SettingsModelTest, ASettingChangesItsLineOnly) {
  SettingsModel model(kOptions);
  model.SetText(kCaptionLine, "Neuer Titel");
  std::string expected = kOptions;
  expected.replace(expected.find("Titel\n"), 5, "Neuer Titel");
  EXPECT_EQ(model.Bytes(), expected);
  // Setting a line to what it holds changes nothing, not even its notation.
  model.SetColour(kBackgroundColourLine, IntegerColour{0xFF0000});
  EXPECT_NE(model.Bytes().find("$00FF0000"), std::string::npos) << "rewritten as decimal although equal in value";
}

TEST(SettingsModelTest, EachKindIsWrittenAsTheMenuReadsIt) {
  SettingsModel model(kOptions);
  model.SetSwitch(kInfoPanelShownLine, true);  // folded in: the "zero" switch
  model.SetSwitch(kTickerSwitchLine, false);
  model.SetInteger(kMenuFontSizeLine, -12);
  model.SetColour(kMenuFontColourLine, IntegerColour{0x80000005u});  // system colour 5
  model.SetColour(kBannerTextColourLine, IntegerColour{0x00804020u});
  EXPECT_TRUE(Read(model, kInfoPanelShownLine).on);
  EXPECT_EQ(model.File().Line(kInfoPanelShownLine), "0");
  EXPECT_FALSE(Read(model, kTickerSwitchLine).on);
  EXPECT_EQ(Read(model, kMenuFontSizeLine).integer, -12);
  EXPECT_TRUE(Read(model, kMenuFontColourLine).colour.IsSystemColour());
  EXPECT_EQ(Read(model, kMenuFontColourLine).colour.SystemColourIndex(), 5);
  EXPECT_EQ(Read(model, kBannerTextColourLine).colour.Rgb(), 0x00804020u);

  model.SetSwitch(kInfoPanelShownLine, false);
  EXPECT_FALSE(Read(model, kInfoPanelShownLine).on);
  EXPECT_THROW(model.SetSwitch(kCaptionLine, true), std::invalid_argument);
  EXPECT_THROW(model.SetInteger(kBackgroundColourLine, 1), std::invalid_argument);
  EXPECT_THROW(model.SetColour(kVersionLine, IntegerColour{}), std::invalid_argument);
  EXPECT_THROW(model.SetText(kCaptionLine, "zwei\r\nZeilen"), std::invalid_argument);
}

TEST(SettingsModelTest, ALineThatDoesntReadAsItsKindIsKeptUntilItIsSet) {
  SettingsModel model("5600.0\r\n 255 \r\nja\r\n");
  EXPECT_EQ(model.Bytes(), "5600.0\r\n 255 \r\nja\r\n");
  model.SetColour(kBackgroundColourLine, IntegerColour{255});
  EXPECT_EQ(model.Bytes(), "5600.0\r\n255\r\nja\r\n");
}

TEST(SettingsModelTest, AShortFileGrowsToTheLineThatIsSet) {
  SettingsModel model("5600.0\r\n255");
  model.SetText(kCaptionLine, "Titel");
  EXPECT_EQ(model.Bytes(), "5600.0\r\n255\r\n\r\n\r\nTitel\r\n");
}

TEST(SettingsModelTest, TheWelcomeTextIsEveryLineAfterTheMarker) {
  SettingsModel model(kOptions);
  EXPECT_EQ(model.WelcomeLines(), (LineList{"Zeile 1", "", "Zeile 3"}));
  model.SetWelcomeLines({"Zeile 1", "Neu", "Zeile 3", "Zeile 4"});
  std::string expected = kOptions;
  expected.replace(expected.find("\r\n\r\nZeile 3"), 11, "\r\nNeu\r\nZeile 3\r\nZeile 4\r\n");
  EXPECT_EQ(model.Bytes(), expected);
  model.SetWelcomeLines({});
  EXPECT_EQ(model.Bytes(), kOptions.substr(0, kOptions.find("[HELLO!]") + 10));
  EXPECT_TRUE(model.WelcomeLines().empty());
}

TEST(SettingsModelTest, WithoutAMarkerOneGoesAfterTheLastSetting) {
  SettingsModel shortFile("5600.0\r\n");
  shortFile.SetWelcomeLines({"Willkommen"});
  const LineList lines = shortFile.File().Lines();
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[17], kWelcomeMarker);
  EXPECT_EQ(shortFile.WelcomeLines(), LineList{"Willkommen"});

  // A marker written in small letters is the menu's marker too.
  SettingsModel small("5600.0\r\n[hello!]\r\nalt\r\n");
  small.SetWelcomeLines({"neu"});
  EXPECT_EQ(small.Bytes(), "5600.0\r\n[hello!]\r\nneu\r\n");
}

}  // namespace
}  // namespace pandor
