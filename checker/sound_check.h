#pragma once
// The start-up sound, as the menu's sound system will open it.

#include "checker/check_context.h"

namespace pandor::check {

// True when the menu finds a start-up sound (and so reads settings line 14).
bool CheckStartupSound(const CheckContext& context);

}  // namespace pandor::check
