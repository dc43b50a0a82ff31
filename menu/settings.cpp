#include "menu/settings.h"

#include "menu/locale_text.h"
#include "menu/menu_error.h"
#include "menu/strict_integer.h"

namespace pandor {

const std::string& Settings::Text(int line) const {
  if (line < 0 || static_cast<size_t>(line) >= lines_.size()) throw ListIndexError(line);
  return lines_[static_cast<size_t>(line)];
}

int32_t Settings::Integer(int line) const {
  const std::string& text = Text(line);
  const std::optional<int32_t> value = ParseStrictInteger(text);
  if (!value) throw InvalidIntegerError(text);
  return *value;
}

IntegerColour Settings::Colour(int line) const {
  return IntegerColour{static_cast<uint32_t>(Integer(line))};
}

int Settings::WelcomeMarkerLine() const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (SameTextIgnoringCase(lines_[i], kWelcomeMarker)) return static_cast<int>(i);
  }
  return -1;
}

LineList Settings::WelcomeLines() const {
  const int marker = WelcomeMarkerLine();
  if (marker < 0) return {};
  return LineList(lines_.begin() + marker + 1, lines_.end());
}

}  // namespace pandor
