#pragma once
// options.dat: the menu's appearance and switches, one value a line, and the
// welcome text after the marker line.

#include <cstdint>
#include <string>

#include "menu/integer_colour.h"
#include "menu/line_list.h"

namespace pandor {

// Line numbers of options.dat.
enum SettingsLine : int {
  kVersionLine = 0,
  kBackgroundColourLine = 1,
  kInfoPanelShownLine = 2,
  kDescriptionColourLine = 3,
  kCaptionLine = 4,
  kBannerTextLine = 5,
  kBannerTextColourLine = 6,
  kBannerShadowColourLine = 7,
  kBannerPanelColourLine = 8,
  kStatusTextLine = 9,
  kTickerSwitchLine = 10,
  kMenuFontNameLine = 11,
  kMenuFontSizeLine = 12,
  kMenuFontColourLine = 13,
  kSoundLoopLine = 14,
  kHoverEffectsLine = 15,
  kIconStyleLine = 16,
};

constexpr const char* kSettingsVersion = "5600.0";
constexpr const char* kWelcomeMarker = "[HELLO!]";

class Settings {
 public:
  Settings() = default;
  explicit Settings(LineList lines) : lines_(std::move(lines)) {}

  // Each accessor throws ListIndexError for a line the file doesn't have.
  const std::string& Text(int line) const;
  // Throws InvalidIntegerError for a line that isn't a strict integer.
  int32_t Integer(int line) const;
  IntegerColour Colour(int line) const;
  // Switches compare exactly: " 1", "1 " and "ja" are not "1".
  bool IsSet(int line) const { return Text(line) == "1"; }

  // The first line that reads "[HELLO!]" ignoring case, or -1.
  int WelcomeMarkerLine() const;
  // Every line after the marker line; empty without a marker.
  LineList WelcomeLines() const;

  bool Empty() const { return lines_.empty(); }
  int LineCount() const { return static_cast<int>(lines_.size()); }

 private:
  LineList lines_;
};

}  // namespace pandor
