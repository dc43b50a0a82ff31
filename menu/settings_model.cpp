#include "menu/settings_model.h"

#include <algorithm>
#include <stdexcept>

#include "menu/start_up_settings.h"
#include "menu/strict_integer.h"

namespace pandor {
namespace {

// The line's kind, which must be one of `kinds`.
SettingKind RequireKind(SettingsLine line, std::initializer_list<SettingKind> kinds) {
  const std::optional<StartUpSetting> setting = StartUpSettingOf(line);
  if (!setting || std::find(kinds.begin(), kinds.end(), setting->kind) == kinds.end()) {
    throw std::invalid_argument("settings line " + std::to_string(line) + " is not of that kind");
  }
  return setting->kind;
}

}  // namespace

void SettingsModel::SetText(int line, const std::string& text) {
  if (line < 0) throw std::out_of_range("SettingsModel::SetText");
  const auto index = static_cast<size_t>(line);
  if (!FitsOnOneLine(text)) throw std::invalid_argument("a settings line can't hold CR, LF or NUL");
  if (index >= file_.Count()) file_.Insert(file_.Count(), LineList(index + 1 - file_.Count()));
  if (file_.Line(index) != text) file_.Set(index, text);
}

void SettingsModel::SetSwitch(SettingsLine line, bool on) {
  SetText(line, SwitchText(RequireKind(line, {SettingKind::kSwitchOne, SettingKind::kSwitchZero}), on));
}

void SettingsModel::SetInteger(SettingsLine line, int32_t value) {
  RequireKind(line, {SettingKind::kInteger});
  if (!ReadsAsInteger(line, value)) SetText(line, IntegerText(value));
}

void SettingsModel::SetColour(SettingsLine line, IntegerColour colour) {
  RequireKind(line, {SettingKind::kColour});
  if (!ReadsAsInteger(line, static_cast<int32_t>(colour.value))) SetText(line, ColourText(colour));
}

bool SettingsModel::ReadsAsInteger(SettingsLine line, int32_t value) const {
  const auto index = static_cast<size_t>(line);
  return index < file_.Count() && ParseStrictInteger(file_.Line(index)) == value;
}

void SettingsModel::SetWelcomeLines(const LineList& lines) {
  if (!std::all_of(lines.begin(), lines.end(), [](const std::string& l) { return FitsOnOneLine(l); })) {
    throw std::invalid_argument("a welcome line can't hold CR, LF or NUL");
  }
  int marker = AsSettings().WelcomeMarkerLine();
  if (marker < 0) {
    marker = std::max(static_cast<int>(file_.Count()), kIconStyleLine + 1);
    SetText(marker, kWelcomeMarker);
  }
  // Lines that stay as they were keep their line ends.
  const size_t first = static_cast<size_t>(marker) + 1;
  const size_t old = file_.Count() - first;
  const size_t kept = std::min(old, lines.size());
  for (size_t i = 0; i < kept; ++i) {
    if (file_.Line(first + i) != lines[i]) file_.Set(first + i, lines[i]);
  }
  if (old > kept) file_.Erase(first + kept, old - kept);
  file_.Insert(first + kept, LineList(lines.begin() + static_cast<std::ptrdiff_t>(kept), lines.end()));
}

}  // namespace pandor
