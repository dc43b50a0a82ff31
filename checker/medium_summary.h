#pragma once
// The medium around the menu (its program and autorun.inf in the root) and
// the menu at a glance.

#include "checker/check_context.h"

namespace pandor::check {

// autorun.exe and autorun.inf in the medium's root.
void CheckMediumRoot(const CheckContext& context);

// A note on records, groups and pictures, and the medium's size against a CD
// and a DVD; to call last.
void SummariseMenu(const CheckContext& context);

}  // namespace pandor::check
