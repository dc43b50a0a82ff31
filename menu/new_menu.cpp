#include "menu/new_menu.h"

namespace pandor {
namespace {

// Windows' system colours (COLOR_...) as the settings name them.
IntegerColour SystemColour(int index) { return IntegerColour{0x80000000u | static_cast<uint32_t>(index)}; }
constexpr int kWindowTextColour = 8;
constexpr int kButtonFaceColour = 15;

}  // namespace

MenuModel NewMenuModel() {
  MenuModel menu;
  SettingsModel& settings = menu.settings;
  settings.SetText(kVersionLine, kSettingsVersion);
  settings.SetColour(kBackgroundColourLine, SystemColour(kButtonFaceColour));
  settings.SetSwitch(kInfoPanelShownLine, false);
  settings.SetColour(kDescriptionColourLine, SystemColour(kWindowTextColour));
  settings.SetText(kCaptionLine, "Programme");
  settings.SetText(kBannerTextLine, "Willkommen");
  settings.SetColour(kBannerTextColourLine, IntegerColour{0x00FFFFFF});
  settings.SetColour(kBannerShadowColourLine, IntegerColour{0x00000000});
  settings.SetColour(kBannerPanelColourLine, IntegerColour{0x00804020});
  settings.SetText(kStatusTextLine, "Ein Doppelklick startet das Programm.");
  settings.SetSwitch(kTickerSwitchLine, false);
  settings.SetText(kMenuFontNameLine, "Arial");
  settings.SetInteger(kMenuFontSizeLine, 10);
  settings.SetColour(kMenuFontColourLine, SystemColour(kWindowTextColour));
  settings.SetSwitch(kSoundLoopLine, false);
  settings.SetSwitch(kHoverEffectsLine, true);
  settings.SetInteger(kIconStyleLine, 1);
  settings.SetWelcomeLines({"Klicken Sie links auf ein Programm: hier steht dann, was es ist und was es kann."});
  return menu;
}

}  // namespace pandor
