#pragma once
// A bevelled panel: a raised inner and a lowered outer edge around a flat
// area of one colour. Controls placed on it report to the panel's parent, so
// the main window handles them as if they were its own.

#include <windows.h>

namespace pandor {

class Panel {
 public:
  static void Register(HINSTANCE instance);
  static HWND Create(HWND parent, int id, const RECT& bounds);
  // The panel keeps the colour until it is set again.
  static void SetColour(HWND panel, COLORREF colour);
};

}  // namespace pandor
