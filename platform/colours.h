#pragma once
// Settings colours as Windows colours.

#include <windows.h>

#include "menu/integer_colour.h"

namespace pandor {

inline COLORREF ToColorRef(IntegerColour colour) {
  return colour.IsSystemColour() ? GetSysColor(colour.SystemColourIndex()) : static_cast<COLORREF>(colour.Rgb());
}

}  // namespace pandor
