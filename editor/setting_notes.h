#pragma once
// What the settings page says beside a line of options.dat that its control
// can't show as the menu reads it: a line that is missing, doesn't read as its
// kind, or reads otherwise than it looks. German, UTF-8; empty when the line
// reads plainly as its kind.

#include <string>

#include "menu/settings.h"
#include "menu/start_up_settings.h"

namespace pandor {

std::string SettingNote(const Settings& settings, const StartUpSetting& setting);

// The version line's note: missing, or not exactly the version the menu
// reads, so that the menu ends at once.
std::string VersionNote(const Settings& settings);

// The welcome text's note: no marker line, so the menu shows none.
std::string WelcomeNote(const Settings& settings);

}  // namespace pandor
