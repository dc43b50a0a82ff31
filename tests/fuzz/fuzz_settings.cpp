// options.dat as the start-up reads it: lines, every setting as its kind,
// the welcome text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "menu/menu_error.h"
#include "menu/start_up_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pandor;
  std::vector<LineEnd> ends;
  const Settings settings(SplitLines(std::string_view(reinterpret_cast<const char*>(data), size), &ends));
  for (const bool sound : {false, true}) {
    try {
      ReadStartUpSettings(settings, sound, [](SettingsLine, const SettingValue&) {});
    } catch (const MenuError&) {
    }
    for (const StartUpSetting& setting : StartUpSettings(sound)) {
      try {
        ReadSetting(settings, setting);
      } catch (const MenuError& error) {
        WithClosingFullStop(error.what());
      }
    }
  }
  settings.WelcomeLines();
  return 0;
}
