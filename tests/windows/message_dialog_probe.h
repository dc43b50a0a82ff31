#pragma once
// The program's message dialog shown for real, looked at while it is open
// and closed by a key.

#include <windows.h>

#include <string>

#include "tests/windows/window_probe.h"

namespace pandor::testing {

// What the test saw of the dialog while it was open.
struct DialogSeen {
  bool found = false;
  std::string caption;
  std::string text;
  std::string button;
  bool okIsDefault = false;
  bool okHasFocus = false;
  bool hasIcon = false;
  Bounds textBounds{};
  Bounds buttonBounds{};
  SIZE client{};
  POINT centre{};
};

// Shows the dialog with the text and closes it with the key (Enter or Escape).
DialogSeen ShowAndClose(const std::string& text, UINT closingKey);

}  // namespace pandor::testing
