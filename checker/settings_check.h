#pragma once
// options.dat as the start-up reads it.

#include <optional>

#include "checker/check_context.h"
#include "menu/settings.h"

namespace pandor::check {

// Reports what the start-up will stop at, and what it will read otherwise
// than meant. Nothing when options.dat can't be read.
std::optional<Settings> CheckSettings(const CheckContext& context, bool startupSoundExists);

}  // namespace pandor::check
