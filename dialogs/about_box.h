#pragma once
// The short information box about the menu program, shown on a click on the
// welcome banner.

#include <string>

#include "platform/messages.h"

namespace pandor {

// Seven lines separated by a single CR each (UTF-8): title, maker, empty,
// e-mail, web address, empty, terms of use.
std::string AboutText();

// A message box with the application title, the information icon and OK.
void ShowAboutBox(Messages& messages);

}  // namespace pandor
