#pragma once
// A colour as the settings file writes it: red in the lowest byte, then green
// and blue; with the top bit set it names a Windows system colour instead.

#include <cstdint>

namespace pandor {

struct IntegerColour {
  uint32_t value = 0;

  bool IsSystemColour() const { return (value & 0x80000000u) != 0; }
  // Index of the system colour (COLOR_...), valid when IsSystemColour().
  int SystemColourIndex() const { return static_cast<int>(value & 0xFFu); }
  // Red, green and blue in the layout of a Windows COLORREF.
  uint32_t Rgb() const { return value & 0x00FFFFFFu; }
};

}  // namespace pandor
