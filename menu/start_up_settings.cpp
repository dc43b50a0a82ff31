#include "menu/start_up_settings.h"

namespace pandor {
namespace {

const StartUpSetting kReadingOrder[] = {
    {kBackgroundColourLine, SettingKind::kColour, "die Hintergrundfarbe"},
    {kInfoPanelShownLine, SettingKind::kSwitchZero, "das Einklappen der Infos"},
    {kDescriptionColourLine, SettingKind::kColour, "die Textfarbe der Beschreibung"},
    {kCaptionLine, SettingKind::kText, "die Fensterüberschrift"},
    {kBannerTextLine, SettingKind::kText, "den Bannertext"},
    {kBannerTextColourLine, SettingKind::kColour, "die Farbe des Bannertexts"},
    {kBannerShadowColourLine, SettingKind::kColour, "die Schattenfarbe des Banners"},
    {kBannerPanelColourLine, SettingKind::kColour, "die Farbe des Banners"},
    {kStatusTextLine, SettingKind::kText, "den Text der Statuszeile"},
    {kTickerSwitchLine, SettingKind::kSwitchOne, "den Lauftext"},
    {kMenuFontNameLine, SettingKind::kText, "die Schriftart des Menüs"},
    {kMenuFontSizeLine, SettingKind::kInteger, "die Schriftgröße des Menüs"},
    {kMenuFontColourLine, SettingKind::kColour, "die Schriftfarbe des Menüs"},
    {kSoundLoopLine, SettingKind::kSwitchOne, "den Startklang"},
    {kHoverEffectsLine, SettingKind::kSwitchOne, "die Hover-Farben der Knöpfe"},
    {kIconStyleLine, SettingKind::kInteger, "den Symbolstil der Programme"},
};

}  // namespace

std::vector<StartUpSetting> StartUpSettings(bool startupSoundExists) {
  std::vector<StartUpSetting> settings;
  for (const StartUpSetting& setting : kReadingOrder) {
    if (setting.line != kSoundLoopLine || startupSoundExists) settings.push_back(setting);
  }
  return settings;
}

std::optional<StartUpSetting> StartUpSettingOf(int line) {
  for (const StartUpSetting& setting : kReadingOrder) {
    if (setting.line == line) return setting;
  }
  return std::nullopt;
}

const char* SwitchText(SettingKind kind, bool on) {
  // A "zero" switch is on when it reads "0".
  return on == (kind == SettingKind::kSwitchOne) ? "1" : "0";
}

std::string IntegerText(int32_t value) { return std::to_string(value); }

std::string ColourText(IntegerColour colour) { return IntegerText(static_cast<int32_t>(colour.value)); }

SettingValue ReadSetting(const Settings& settings, const StartUpSetting& setting) {
  SettingValue value;
  value.text = &settings.Text(setting.line);
  switch (setting.kind) {
    case SettingKind::kColour:
      value.colour = settings.Colour(setting.line);
      value.integer = static_cast<int32_t>(value.colour.value);
      break;
    case SettingKind::kInteger: value.integer = settings.Integer(setting.line); break;
    case SettingKind::kText: break;
    case SettingKind::kSwitchOne:
    case SettingKind::kSwitchZero: value.on = *value.text == SwitchText(setting.kind, true); break;
  }
  return value;
}

}  // namespace pandor
