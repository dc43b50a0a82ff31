#pragma once
// The Windows system colours a settings colour can name (0x80000000 | index),
// with the names the editor gives them.

#include <cstddef>
#include <optional>

#include "menu/integer_colour.h"

namespace pandor {

struct SystemColour {
  int index;         // COLOR_...
  const char* name;  // German, UTF-8
};

// The ones Windows knows, in the order of their numbers.
extern const SystemColour kSystemColours[];
extern const size_t kSystemColourCount;

inline IntegerColour SystemColourValue(int index) { return IntegerColour{0x80000000u | static_cast<uint32_t>(index)}; }

// The entry of kSystemColours that a system colour value names; none for an
// ordinary colour or a number Windows doesn't know (the menu shows black).
std::optional<size_t> SystemColourEntry(IntegerColour colour);

}  // namespace pandor
