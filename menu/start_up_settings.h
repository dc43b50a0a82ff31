#pragma once
// How the start-up reads options.dat: lines 1 to 16 in a fixed order, each as
// its kind. The first line that is missing or malformed stops the start-up
// there; everything read before it has taken effect.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "menu/integer_colour.h"
#include "menu/settings.h"

namespace pandor {

enum class SettingKind {
  kColour,      // integer colour
  kInteger,
  kText,
  kSwitchOne,   // on when it reads exactly "1"
  kSwitchZero,  // on when it reads exactly "0"
};

struct StartUpSetting {
  SettingsLine line;
  SettingKind kind;
  const char* gives;  // what the window takes from it, in German, as "ohne" takes it ("den Bannertext")
};

// In reading order; the sound loop switch only when the start-up sound exists.
std::vector<StartUpSetting> StartUpSettings(bool startupSoundExists);

// The setting read from `line`; none for the version line and lines after 16.
std::optional<StartUpSetting> StartUpSettingOf(int line);

struct SettingValue {
  const std::string* text = nullptr;  // the line as written
  int32_t integer = 0;                // integers and colours
  IntegerColour colour;               // colours
  bool on = false;                    // switches
};

// The line read as its kind: throws ListIndexError for a line the file
// doesn't have, InvalidIntegerError for an integer or colour that isn't one.
SettingValue ReadSetting(const Settings& settings, const StartUpSetting& setting);

// What to write so that the line reads as the value: a switch of the kind
// (on is what SettingValue::on gives), an integer or a colour in decimal.
const char* SwitchText(SettingKind kind, bool on);
std::string IntegerText(int32_t value);
std::string ColourText(IntegerColour colour);

// Reads the lines in order, handing each value to apply(line, value) as soon
// as it is read; stops with the first line's error.
template <typename Apply>
void ReadStartUpSettings(const Settings& settings, bool startupSoundExists, const Apply& apply) {
  for (const StartUpSetting& setting : StartUpSettings(startupSoundExists)) {
    apply(setting.line, ReadSetting(settings, setting));
  }
}

}  // namespace pandor
